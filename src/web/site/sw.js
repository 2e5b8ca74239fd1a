// Keeps the page's files so that the game starts and plays without the network. The files are
// fetched again when the network is there (and kept), taken from the cache when it is not.
const CACHE = 'velkaro-v1';
const FILES = ['./', 'index.html', 'page.css', 'page.js', 'velkaro.js', 'velkaro.wasm', 'velkaro.data',
  'manifest.webmanifest', 'velkaro.svg', 'velkaro-48.png', 'velkaro-256.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, { ignoreSearch: true })));
});
