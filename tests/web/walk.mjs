// The browser game played in headless Chromium (Debian's), as a player would: two rulers, a
// strategy by keyboard and one by click or tap, Auto, the narration to its end, the year end, a
// save, a reload and 続きから, an export imported into a fresh browser, a broken import refused,
// the log reader, a faction detail and the editor refusing 11; a tab closed in the middle of a
// save; a year played with the network off. Screenshots of every screen go to docs/screens/web/.
//
//   node walk.mjs SITE_DIR [--shots DIR] [--viewports all|desktop|390x844|…]
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

const args = process.argv.slice(2);
const site = path.resolve(args[0] || 'build/web');
const option = (name, fallback) => {
  const i = args.indexOf(name);
  return i >= 0 ? args[i + 1] : fallback;
};
const shots = option('--shots', null);
const which = option('--viewports', 'all');

const VIEWPORTS = [
  { name: '1280x800', width: 1280, height: 800 },
  { name: '1920x1080', width: 1920, height: 1080 },
  { name: '1024x768', width: 1024, height: 768, hasTouch: true },
  { name: '390x844', width: 390, height: 844, isMobile: true, hasTouch: true },
];

let failures = 0;
const log = (...a) => console.log(...a);
function check(ok, what) {
  if (ok) {
    log('  ok    ' + what);
  } else {
    failures++;
    log('  FAIL  ' + what);
  }
}

// ---- a static server that can hold back a file, for the offline test ---------------------
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.css': 'text/css',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png' };
function serve() {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(site, name === '/' ? 'index.html' : name);
    if (!file.startsWith(site) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// ---- the player's hands ------------------------------------------------------------------
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function launch(profile) {
  return puppeteer.launch({
    executablePath: process.env.CHROME_PATH || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--lang=ja-JP', '--font-render-hinting=none'],
  });
}

class Player {
  constructor(page, viewport) {
    this.page = page;
    this.viewport = viewport;
    this.touch = !!viewport.hasTouch;
  }

  // The windows as drawn: screen names from bottom to top.
  async screens() {
    return this.page.$$eval('[data-window]', (ws) => ws.map((w) => w.dataset.screen));
  }

  async top() {
    const s = await this.screens();
    return s[s.length - 1];
  }

  async waitScreen(name, timeout = 15000) {
    await this.page.waitForFunction((n) => {
      const ws = [...document.querySelectorAll('[data-window]:not([inert])')];
      return ws.length && ws[ws.length - 1].dataset.screen === n && !document.getElementById('box').open;
    }, { timeout }, name);
  }

  // Waits for a screen, answering the messages on the way (yes to questions, OK to news).
  async settle(name, timeout = 30000) {
    const until = Date.now() + timeout;
    while (Date.now() < until) {
      if (await this.boxText() !== null) {
        const buttons = await this.page.$$eval('#box-buttons button', (bs) => bs.map((b) => b.textContent));
        await this.answer(buttons.includes('はい') ? 'はい' : 'OK');
        continue;
      }
      if (await this.top() === name) return;
      await sleep(100);
    }
    throw new Error(`${name} did not come (${await this.top()} is on top)`);
  }

  // The open message box's prompt, or null.
  async boxText(timeout = 0) {
    if (timeout) {
      try {
        await this.page.waitForFunction(() => document.getElementById('box').open, { timeout });
      } catch (e) {
        return null;
      }
    }
    return this.page.evaluate(() => (document.getElementById('box').open ? document.getElementById('box-prompt').textContent : null));
  }

  async answer(caption) {
    const b = await this.page.waitForSelector(`#box-buttons ::-p-text(${caption})`);
    await this.press(b);
    await sleep(30);
  }

  // Answers the open question yes (はい, or OK where the box has no はい).
  async yes() {
    await this.page.waitForFunction(() => document.getElementById('box').open, { timeout: 15000 });
    const buttons = await this.page.$$eval('#box-buttons button', (bs) => bs.map((b) => b.textContent));
    await this.answer(buttons.includes('はい') ? 'はい' : 'OK');
  }

  async press(handle) {
    if (this.touch) await handle.tap();
    else await handle.click();
  }

  // A button of the top window by its caption.
  async button(caption, screen) {
    const scope = screen ? `[data-screen=${screen}]` : '[data-window]:not([inert]):last-of-type';
    return this.page.waitForSelector(`${scope} button::-p-text(${caption})`, { visible: true });
  }

  // Finds and presses an element; a redraw between the two finds it again.
  async pressFound(find) {
    for (let attempt = 0; ; attempt++) {
      try {
        const e = await find();
        await e.evaluate((x) => x.scrollIntoView({ block: 'center' }));
        await this.press(e);
        await sleep(30);
        return;
      } catch (err) {
        if (attempt >= 3 || !/detached|not clickable|no node/i.test(err.message)) throw err;
      }
    }
  }

  async click(caption, screen) {
    await this.pressFound(() => this.button(caption, screen));
  }

  async option(listKey, row, screen) {
    const scope = screen ? `[data-screen=${screen}]` : '';
    await this.pressFound(() => this.page.waitForSelector(`${scope} [data-key="${listKey}"] [role=option]:nth-child(${row + 1})`));
  }

  async shot(name) {
    const cut = await this.clipped();
    check(cut.length === 0, `${name}: nothing cut off ${cut.length ? JSON.stringify(cut) : ''}`);
    if (!shots) return;
    fs.mkdirSync(shots, { recursive: true });
    await this.page.screenshot({ path: path.join(shots, `${this.viewport.name}-${name}.png`) });
  }

  // Whether anything on the page is cut off: wider than the page, or a button's text clipped.
  async clipped() {
    return this.page.evaluate(() => {
      const out = [];
      const w = document.documentElement.clientWidth;
      for (const e of document.querySelectorAll('button, [role=option], h1, h2, .label')) {
        const r = e.getBoundingClientRect();
        if (!r.width) continue;
        if (r.right > w + 1 || r.left < -1) out.push(e.textContent.slice(0, 20));
        if (e.tagName === 'BUTTON' && e.scrollWidth > e.clientWidth + 1) out.push(e.textContent.slice(0, 20));
      }
      return out;
    });
  }
}

// Answers the message boxes as they come: yes to questions, OK to news.
async function answerAll(p, maxBoxes = 20, answerFor = null) {
  const seen = [];
  for (let i = 0; i < maxBoxes; i++) {
    const text = await p.boxText(400);
    if (text === null) break;
    seen.push(text);
    const buttons = await p.page.$$eval('#box-buttons button', (bs) => bs.map((b) => b.textContent));
    const wanted = answerFor ? answerFor(text, buttons) : null;
    await p.answer(wanted && buttons.includes(wanted) ? wanted : (buttons.includes('はい') ? 'はい' : 'OK'));
  }
  return seen;
}

// Closes the narration and reports of a year until the main screen is back.
async function finishYear(p, shotPrefix) {
  for (let i = 0; i < 30; i++) {
    const text = await p.boxText(300);
    if (text !== null) {
      await answerAll(p, 1);
      continue;
    }
    const top = await p.top();
    if (top === 'MainScreen') return;
    if (top === 'ResolutionScreen') {
      if (shotPrefix) await p.shot(`${shotPrefix}-${i}`);
      await p.page.keyboard.press('End');
      await sleep(30);
      await p.click('閉', 'ResolutionScreen');
    } else {
      await sleep(100);
    }
  }
}

// Clicks the title's splash away (a timer may redraw it between finding and pressing it).
async function dismissSplash(p) {
  for (let i = 0; i < 10; i++) {
    const splash = await p.page.$('.splash');
    if (!splash) return;
    try {
      await p.press(splash);
    } catch (e) { /* redrawn under the pointer: try again */ }
    await sleep(50);
  }
}

// ---- the walk ----------------------------------------------------------------------------
async function openGame(browser, url, viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.on('pageerror', (e) => log('  page error: ' + e.message));
  const started = Date.now();
  await page.goto(url);
  const p = new Player(page, viewport);
  await p.waitScreen('TitleScreen', 30000);
  return { page, p, loadMs: Date.now() - started };
}

async function walk(browser, url, viewport, figures) {
  log(`viewport ${viewport.name}`);
  const { page, p, loadMs } = await openGame(browser, url, viewport);
  const drawn = await page.evaluate(() => window.Module.velkaro.timings.firstDraw);
  figures.push(`${viewport.name}: load → title drawn ${drawn.toFixed(0)} ms after navigation (${loadMs} ms as the walk saw it)`);
  await p.shot('01-title-splash');
  check(await page.$('.splash') !== null, 'the title shows its splash');
  await dismissSplash(p);
  check(await page.$('.splash') === null, 'the splash goes when clicked');
  await p.shot('02-title');

  // Two rulers: the first by click or tap, the second by keyboard (arrows and Space).
  await p.option('List1.1', 0, 'TitleScreen');
  await p.waitScreen('FactionDetail');
  await p.shot('03-faction-detail');
  check((await p.screens()).includes('TitleScreen'), 'the faction detail opens over the title');
  await page.keyboard.press('Escape');
  await p.waitScreen('TitleScreen');
  await page.focus('[data-screen=TitleScreen] [data-key="List1.1"]');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Space');
  await p.waitScreen('FactionDetail');
  await page.keyboard.press('Escape');
  await p.waitScreen('TitleScreen');
  const chosen = await page.$$eval('[data-key="List1.1"] [aria-selected=true]', (os) => os.map((o) => o.textContent));
  check(chosen.length === 2, `two rulers chosen (${chosen.join('、')})`);

  await p.click('新規ゲーム', 'TitleScreen');
  const start = await p.boxText(3000);
  check(start !== null && start.endsWith('でゲームを開始しますか？'), `the start question: ${start}`);
  const focusedAnswer = await page.evaluate(() => document.activeElement.textContent);
  check(focusedAnswer === 'キャンセル', 'the start question has キャンセル focused');
  await p.answer('OK');
  const turn = await answerAll(p);
  check(turn.some((t) => t.includes('の番です')), `the first turn is announced: ${turn.join(' / ')}`);
  await p.waitScreen('MainScreen');
  await p.shot('04-main');
  const blue = await page.$$eval('[data-key^="Com_Lst."]', (ls) => ls.map((l) => getComputedStyle(l).backgroundColor));
  check(blue.filter((c) => c === 'rgb(192, 255, 255)').length === 1, `one strategy list is light blue (${blue.join(', ')})`);
  check((await p.clipped()).length === 0, `nothing clipped on the main screen ${JSON.stringify(await p.clipped())}`);

  // The first player's strategy by keyboard: arrows, Enter, 決定, then はい in the question.
  const current = await page.$$eval('[data-key^="Com_Lst."]', (ls) => ls.findIndex((l) => getComputedStyle(l).backgroundColor === 'rgb(192, 255, 255)'));
  await page.focus(`[data-key="Com_Lst.${current}"]`);
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await p.waitScreen('StrategyExplanation');
  await p.shot('05-explanation');
  const focusedButton = await page.evaluate(() => document.activeElement.textContent);
  check(focusedButton === '決定', `the explanation starts on 決定 (${focusedButton})`);
  await page.keyboard.press('Enter');
  const question = await p.boxText(3000);
  check(question !== null && question.endsWith('を行いますか？'), `the strategy is asked: ${question}`);
  check(await page.evaluate(() => document.activeElement.textContent) === 'いいえ', 'the question has いいえ focused');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  await page.keyboard.press('Enter');
  await answerAll(p);
  await p.waitScreen('MainScreen');

  // The second player's by click or tap; the year is then carried out.
  const second = await page.$$eval('[data-key^="Com_Lst."]', (ls) => ls.findIndex((l) => getComputedStyle(l).backgroundColor === 'rgb(192, 255, 255)'));
  check(second >= 0, `the second player's list is light blue now (${second})`);
  await p.option(`Com_Lst.${second}`, 1, 'MainScreen');
  await p.waitScreen('StrategyExplanation');
  await p.click('決定', 'StrategyExplanation');
  await p.yes();
  await p.waitScreen('ResolutionScreen', 30000);
  await p.shot('06-narration');

  // The narration paged to its end, by key and by click.
  let pages = 0;
  for (; pages < 60; pages++) {
    const next = await page.$('[data-screen=ResolutionScreen] button[data-key="Command1.2"]:not([disabled])');
    if (!next) break;
    if (pages % 2) await p.press(next);
    else await page.keyboard.press('PageDown');
    await sleep(20);
  }
  const atEnd = await page.$eval('[data-screen=ResolutionScreen]', (w) => w.querySelector('[data-key="Command1.2"]').disabled &&
    !w.querySelector('[data-key="Command1.0"]').disabled);
  check(atEnd, `the narration paged to its last page, 閉 enabled (${pages} pages turned)`);
  await p.shot('07-narration-end');
  await page.keyboard.press('Enter');  // closes on the last page
  await finishYear(p, '08-year-end');
  await p.waitScreen('MainScreen');
  await p.shot('09-second-year');

  // The second year: both players hand their turn to the computer (Auto).
  await p.click('Auto', 'MainScreen');
  await answerAll(p, 2);
  await p.waitScreen('MainScreen');
  await p.click('Auto', 'MainScreen');
  await p.yes();
  await p.waitScreen('ResolutionScreen', 30000);
  const drawnIn = await page.evaluate(() => window.Module.velkaro.timings.resolutionShown - window.Module.velkaro.timings.lastAnswer);
  figures.push(`${viewport.name}: Auto answered → the year carried out and its first page drawn ${drawnIn.toFixed(0)} ms`);
  const t0 = Date.now();
  await finishYear(p, null);
  figures.push(`${viewport.name}: narration, year end and reports closed → next main screen ${Date.now() - t0} ms (with the walk's waits)`);
  await p.waitScreen('MainScreen');
  const year = await page.$eval('[data-screen=MainScreen] .year', (e) => e.textContent);
  log('  the year line: ' + year);

  // Save to slot 4.
  await p.click('セーブ', 'MainScreen');
  await p.waitScreen('SaveLoadScreen');
  await p.shot('10-save');
  await page.keyboard.press('4');
  await page.keyboard.press('Enter');
  const saveBoxes = await answerAll(p, 3);
  log('  save: ' + saveBoxes.join(' / '));
  await p.waitScreen('MainScreen');
  const status = await page.$eval('#status', (e) => e.textContent);
  check(status.includes('スロット4'), `the save is told in the status line: ${status}`);
  const unsaved = await page.evaluate(() => window.Module.velkaro && document.readyState && true);
  check(unsaved, 'the page is alive after the save');

  // Information windows: all factions, history, the log, a faction detail, the editor.
  await p.click('軍閥一覧', 'MainScreen');
  await p.waitScreen('AllFactions');
  await p.shot('11-all-factions');
  await p.click('武将リスト', 'AllFactions');
  await p.waitScreen('FactionOfficerLists');
  await p.shot('12-faction-lists');
  await p.option('Chr_lst.0', 0, 'FactionOfficerLists');
  await p.waitScreen('OfficerStatus');
  await p.shot('13-officer-status');
  await p.click('Edit', 'OfficerStatus');
  await p.waitScreen('OfficerEditor');
  const box0 = await page.$('[data-screen=OfficerEditor] input[data-key="Skl_Lab.0"]');
  await box0.click({ clickCount: 3 });
  await page.keyboard.type('11');
  await p.click('OK', 'OfficerEditor');
  const refused = await p.boxText(3000);
  check(refused === '能力値は1以上10以下にして下さい', `the editor refuses 11: ${refused}`);
  await p.shot('14-editor-refuses');
  await p.answer('OK');
  await p.click('Cancel', 'OfficerEditor');
  await answerAll(p, 2, () => 'はい');
  await p.waitScreen('OfficerStatus');
  if (await page.$('[data-screen=OfficerStatus] .comment')) {
    await p.press(await page.$('[data-screen=OfficerStatus] .comment'));
    await p.waitScreen('CommentEditor');
    await p.shot('15-comment-editor');
    await page.keyboard.press('Escape');
    await answerAll(p, 2, () => 'はい');
    await p.waitScreen('OfficerStatus');
  }
  await page.keyboard.press('Escape');
  await p.waitScreen('FactionOfficerLists');
  await page.keyboard.press('Escape');
  await p.waitScreen('AllFactions');
  await page.keyboard.press('Escape');
  await p.waitScreen('MainScreen');

  await p.click('勢力推移', 'MainScreen');
  await p.waitScreen('HistoryCharts');
  check(await page.$('[data-screen=HistoryCharts] svg path, [data-screen=HistoryCharts] svg circle') !== null, 'the history chart draws lines');
  await p.shot('16-history');
  await page.keyboard.press('Escape');
  await p.waitScreen('MainScreen');

  await p.click('ログを見る', 'MainScreen');
  await p.waitScreen('LogReader');
  const logText = await page.$eval('[data-screen=LogReader] .log', (e) => e.textContent);
  check(logText.trim().length > 0, 'the log reader shows the log');
  await p.shot('17-log');
  await page.keyboard.press('Escape');
  await p.waitScreen('MainScreen');

  await p.option('Gun_lst.0', 0, 'MainScreen');
  await p.waitScreen('FactionDetail');
  await p.shot('18-faction-detail-main');
  await page.keyboard.press('Escape');
  await p.waitScreen('MainScreen');

  // Reload: 続きから continues at the saved year.
  await page.reload();
  await p.waitScreen('TitleScreen', 30000);
  await dismissSplash(p);
  await p.click('続きから', 'TitleScreen');
  await p.waitScreen('SaveLoadScreen');
  await page.keyboard.press('4');
  await page.keyboard.press('Enter');
  const loadQuestion = await p.boxText(3000);
  check(loadQuestion !== null && loadQuestion.includes('これをロードしますか？'), `the load question: ${loadQuestion}`);
  await p.settle('MainScreen');
  const loadedYear = await page.$eval('[data-screen=MainScreen] .year', (e) => e.textContent);
  check(loadedYear === year, `続きから continues at the saved year (${loadedYear})`);
  return { page, p, year };
}

// Exports slot 4 and imports it into a fresh browser profile; a broken file is refused.
async function exportImport(browser, url, viewport, page, year) {
  const p = new Player(page, viewport);
  const summary = await page.$('[data-screen=MainScreen] .slot-tools summary');
  await p.press(summary);
  await page.$eval('#slot-number', (e) => { e.value = '4'; });
  await p.click('書き出し', 'MainScreen');
  await page.waitForFunction(() => window.Module.velkaro.lastOffer, { timeout: 5000 });
  const exported = await page.evaluate(() => ({ name: window.Module.velkaro.lastOffer.name, bytes: [...window.Module.velkaro.lastOffer.bytes] }));
  check(exported.bytes.length > 1000 && exported.name.endsWith('.velkaro'), `slot 4 exported as ${exported.name} (${exported.bytes.length} bytes)`);
  const file = path.join(os.tmpdir(), exported.name);
  fs.writeFileSync(file, Buffer.from(exported.bytes));
  const broken = path.join(os.tmpdir(), 'broken.velkaro');
  const bad = Buffer.from(exported.bytes);
  bad[Math.floor(bad.length / 2)] ^= 0x5a;
  bad[Math.floor(bad.length / 3)] = 0xff;
  fs.writeFileSync(broken, bad.subarray(0, bad.length - 40));

  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velkaro-fresh-'));
  const fresh = await launch(profile);
  const { page: page2, p: p2 } = await openGame(fresh, url, viewport);
  await dismissSplash(p2);
  await p2.press(await page2.$('[data-screen=TitleScreen] .slot-tools summary'));
  await page2.$eval('#slot-number', (e) => { e.value = '6'; });
  const input = await page2.$('#slot-file');
  await input.uploadFile(broken);
  await p2.click('読み込み', 'TitleScreen');
  const refusal = await p2.boxText(5000);
  check(refusal !== null && (refusal.startsWith('このセーブデータは壊れているため') || refusal.startsWith('このファイルは Velkaro')),
    `a broken import is refused: ${refusal && refusal.split('\n')[0]}`);
  await p2.answer('OK');
  await p2.shot('19-import-refused');
  await input.uploadFile(file);
  await p2.click('読み込み', 'TitleScreen');
  await answerAll(p2, 2, () => 'はい');
  const said = await page2.$eval('#status', (e) => e.textContent);
  check(said.includes('スロット6'), `the import is told: ${said}`);
  await p2.click('続きから', 'TitleScreen');
  await p2.waitScreen('SaveLoadScreen');
  await page2.keyboard.press('6');
  await page2.keyboard.press('Enter');
  const q = await p2.boxText(3000);
  check(q !== null && q.includes('これをロードしますか？'), `the imported slot loads: ${q}`);
  await p2.settle('MainScreen');
  const importedYear = await page2.$eval('[data-screen=MainScreen] .year', (e) => e.textContent);
  check(importedYear === year, `the imported game is at the saved year (${importedYear})`);
  await fresh.close();
}

// Closes the tab in the middle of a save: the slot is the old one or the new one, never a mix.
async function closedDuringSave(url, viewport) {
  log('a tab closed in the middle of a save');
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velkaro-kill-'));
  let browser = await launch(profile);
  let { page, p } = await openGame(browser, url, viewport);
  await dismissSplash(p);
  await p.option('List1.1', 0, 'TitleScreen');
  await p.waitScreen('FactionDetail');
  await page.keyboard.press('Escape');
  await p.click('新規ゲーム', 'TitleScreen');
  await p.answer('OK');
  await answerAll(p);
  await p.waitScreen('MainScreen');
  const save = async () => {
    await p.click('セーブ', 'MainScreen');
    await p.waitScreen('SaveLoadScreen');
    await page.keyboard.press('2');
    await page.keyboard.press('Enter');
  };
  await save();
  await answerAll(p, 3);
  await p.waitScreen('MainScreen');
  const firstYear = await page.$eval('.year', (e) => e.textContent);
  // Another year, then a save that stops after a few of its steps reached the storage.
  await p.click('Auto', 'MainScreen');
  await p.yes();
  await finishYear(p, null);
  await p.waitScreen('MainScreen');
  const secondYear = await page.$eval('.year', (e) => e.textContent);
  await page.evaluate(() => {
    let stores = 0;
    window.Module.velkaro.beforeStore = () => (++stores >= 4 ? new Promise(() => { window.velkaroPaused = true; }) : Promise.resolve());
  });
  await save();
  const asked = await p.boxText(1000);
  if (asked !== null) await p.yes();
  await page.waitForFunction(() => window.velkaroPaused === true, { timeout: 10000 });
  await browser.close();  // the tab dies with the save half done

  browser = await launch(profile);
  ({ page, p } = await openGame(browser, url, viewport));
  await dismissSplash(p);
  await p.click('続きから', 'TitleScreen');
  await p.waitScreen('SaveLoadScreen');
  await page.keyboard.press('2');
  await page.keyboard.press('Enter');
  const q = await p.boxText(3000);
  check(q !== null && q.includes('これをロードしますか？'), `the slot still loads: ${q && q.split('\n')[0]}`);
  await p.settle('MainScreen');
  const year = await page.$eval('.year', (e) => e.textContent);
  check(year === firstYear || year === secondYear, `the slot is the old or the new game (${year}; old ${firstYear}, new ${secondYear})`);
  await browser.close();
}

// With the service worker's copy, a reload without the network starts and plays a year.
async function offline(url, viewport) {
  log('offline');
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velkaro-offline-'));
  const browser = await launch(profile);
  let { page, p } = await openGame(browser, url, viewport);
  await page.waitForFunction(async () => (await navigator.serviceWorker.ready) && navigator.serviceWorker.controller !== null, { timeout: 15000 })
    .catch(() => {});
  await page.reload();
  await p.waitScreen('TitleScreen', 30000);
  await page.setOfflineMode(true);
  await page.reload();
  await p.waitScreen('TitleScreen', 30000);
  check(true, 'the title starts without the network');
  await dismissSplash(p);
  await p.option('List1.1', 0, 'TitleScreen');
  await page.keyboard.press('Escape');
  await p.click('新規ゲーム', 'TitleScreen');
  await p.answer('OK');
  await answerAll(p);
  await p.waitScreen('MainScreen');
  const before = await page.$eval('.year', (e) => e.textContent);
  await p.click('Auto', 'MainScreen');
  await p.yes();
  await finishYear(p, null);
  await p.waitScreen('MainScreen');
  const after = await page.$eval('.year', (e) => e.textContent);
  check(after !== before, `a year played offline (${before} → ${after})`);
  await browser.close();
}

function downloadSize() {
  const files = ['index.html', 'page.css', 'page.js', 'velkaro.js', 'velkaro.wasm', 'velkaro.data', 'sw.js', 'manifest.webmanifest', 'velkaro.svg'];
  let total = 0;
  for (const f of files) {
    const file = path.join(site, f);
    if (fs.existsSync(file)) total += zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
  }
  return total;
}

const server = await serve();
const url = `http://127.0.0.1:${server.address().port}/`;
const figures = [];
try {
  const list = which === 'all' ? VIEWPORTS : which === 'desktop' ? VIEWPORTS.slice(0, 1) : VIEWPORTS.filter((v) => v.name === which);
  for (const viewport of list) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velkaro-walk-'));
    const browser = await launch(profile);
    try {
      const { page, year } = await walk(browser, url, viewport, figures);
      if (viewport === list[0]) await exportImport(browser, url, viewport, page, year);
    } catch (e) {
      failures++;
      log('  FAIL  ' + e.stack);
    } finally {
      await browser.close();
    }
  }
  await closedDuringSave(url, VIEWPORTS[0]).catch((e) => { failures++; log('  FAIL  ' + e.stack); });
  await offline(url, VIEWPORTS[0]).catch((e) => { failures++; log('  FAIL  ' + e.stack); });
} finally {
  server.close();
}
figures.push(`download gzipped: ${Math.round(downloadSize() / 1024)} KB`);
log('figures:');
for (const f of figures) log('  ' + f);
log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);
