// Lighthouse's accessibility and best-practice scores of the title and the main screen (a
// snapshot of each as the player sees it). Lighthouse is not among the test's packages (it is
// large): install it beside this file's copy, e.g. in a scratch folder with `npm i lighthouse`,
// and run `node lighthouse.mjs URL` from there with CHROME_PATH set to Debian's chromium.
import puppeteer from 'puppeteer-core';
import { startFlow } from 'lighthouse';

const url = process.argv[2] || 'http://127.0.0.1:8080/';
const browser = await puppeteer.launch({
  executablePath: process.env.CHROME_PATH || '/usr/bin/chromium', headless: true, args: ['--no-sandbox'],
});
const page = await browser.newPage();
await page.setViewport({ width: 1280, height: 800 });
const flow = await startFlow(page, { config: { extends: 'lighthouse:default', settings: { onlyCategories: ['accessibility', 'best-practices'] } } });
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const yes = async () => {
  await page.waitForFunction(() => document.getElementById('box').open, { timeout: 15000 });
  const buttons = await page.$$('#box-buttons button');
  await buttons[0].click();
  await sleep(100);
};

await flow.navigate(url);
await page.waitForSelector('[data-screen=TitleScreen]');
while (await page.$('.splash')) {
  await page.$eval('.splash', (e) => e.click()).catch(() => {});
  await sleep(100);
}
await flow.snapshot({ name: 'title' });
await page.$eval('[data-key="List1.1"] [role=option]', (e) => e.click());
await sleep(300);
await page.keyboard.press('Escape');
await sleep(300);
await page.$eval('[data-key=Command2]', (e) => e.click());
await yes();
await yes();
await page.waitForSelector('[data-screen=MainScreen]');
await sleep(300);
await flow.snapshot({ name: 'main' });
const result = await flow.createFlowResult();
for (const step of result.steps) {
  const c = step.lhr.categories;
  console.log(`${step.name}: accessibility ${Math.round(c.accessibility.score * 100)}, best practices ${Math.round(c['best-practices'].score * 100)}`);
  for (const [id, audit] of Object.entries(step.lhr.audits)) {
    if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'binary') console.log(`  ${id}: ${audit.title}`);
  }
}
await browser.close();
