// @ts-check
// What the browser tests share: the assembled page served on a free loopback port, one
// headless Chromium (Debian's) with a fresh profile, a phone's screen with touch, and looks
// at what the page shows.

import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { REPO_ROOT, startServer } from '../tools/serve.mjs';

/** The assembled page (QUENARO_WEB_DIR overrides build/web). */
export const WEB_DIR = process.env.QUENARO_WEB_DIR ?? join(REPO_ROOT, 'build', 'web');
/** The native command line, for the sheet's text (QUENARO_BIN overrides build/release). */
export const NATIVE_BIN = process.env.QUENARO_BIN ?? join(REPO_ROOT, 'build', 'release', 'quenaro');
const CHROMIUM = process.env.CHROMIUM ?? '/usr/bin/chromium';

/** A phone: 390 × 844 CSS pixels at three device pixels each, with touch. */
export const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

/** Fails at once, saying what to do, when the page has not been assembled with the module. */
export function requireAssembledPage() {
  for (const file of ['index.html', 'sw.js', 'quenaro.js', 'quenaro.wasm']) {
    if (!existsSync(join(WEB_DIR, file))) {
      throw new Error(`${join(WEB_DIR, file)} is missing: build the web module, then ` +
        'node web/tools/assemble.mjs <folder with quenaro.js and quenaro.wasm>');
    }
  }
}

/**
 * Serves the page and starts the browser.
 * @returns {Promise<{url: string, browser: import('puppeteer-core').Browser,
 *   stopServer: () => Promise<void>, close: () => Promise<void>}>}
 */
export async function startSite() {
  requireAssembledPage();
  const server = await startServer({ root: WEB_DIR, port: 0 });
  const profile = mkdtempSync(join(tmpdir(), 'quenaro-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: false,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  let serverStopped = false;
  const stopServer = async () => {
    if (!serverStopped) {
      serverStopped = true;
      await server.close();
    }
  };
  return {
    url: server.url,
    browser,
    stopServer,
    close: async () => {
      await browser.close();
      await stopServer();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

/**
 * A new tab with a phone's screen, in its own browser context (own storage) unless one is
 * given.
 * @param {import('puppeteer-core').Browser} browser
 * @param {import('puppeteer-core').BrowserContext} [context]
 */
export async function phonePage(browser, context) {
  const page = await (context ?? await browser.createBrowserContext()).newPage();
  const userAgent = (await browser.userAgent()).replace('HeadlessChrome', 'Chrome');
  await page.emulate({ viewport: PHONE, userAgent: `${userAgent} Mobile` });
  page.on('pageerror', (error) => console.error('page error:', error));
  return page;
}

/**
 * Opens the page's address (with a link's query) and waits for the almanac to be running.
 * @param {import('puppeteer-core').Page} page
 * @param {string} url
 */
export async function openPage(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  await waitReady(page);
}

/**
 * Waits until the page says it is ready, failing with the page's own message if it could not
 * load the almanac.
 * @param {import('puppeteer-core').Page} page
 */
export async function waitReady(page) {
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true' ||
    document.getElementById('status')?.classList.contains('problem'), { timeout: 30000 });
  const problem = await page.$eval('#status', (status) =>
    status.classList.contains('problem') ? status.textContent : '');
  if (problem) throw new Error(`The page did not start: ${problem}`);
  // The first frame's drawings.
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done(undefined))));
}

/**
 * How many different colours the canvas holds (1 for a blank one), and its pixel size.
 * @param {import('puppeteer-core').Page} page
 * @param {string} id
 */
export async function canvasColours(page, id) {
  return page.$eval(`#${id}`, (element) => {
    const canvas = /** @type {HTMLCanvasElement} */ (element);
    const context = canvas.getContext('2d');
    if (context === null || canvas.width === 0 || canvas.height === 0) {
      return { colours: 0, width: canvas.width, height: canvas.height };
    }
    const pixels = context.getImageData(0, 0, canvas.width, canvas.height).data;
    const seen = new Set();
    for (let i = 0; i < pixels.length && seen.size < 1000; i += 4 * 7) {
      seen.add((pixels[i] << 24) | (pixels[i + 1] << 16) | (pixels[i + 2] << 8) | pixels[i + 3]);
    }
    return { colours: seen.size, width: canvas.width, height: canvas.height };
  });
}

/**
 * The text of an element.
 * @param {import('puppeteer-core').Page} page
 * @param {string} selector
 */
export function textOf(page, selector) {
  return page.$eval(selector, (element) => element.textContent ?? '');
}
