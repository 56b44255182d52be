// @ts-check
// Benchmarks of the web app in headless Chromium on a phone's screen (390 x 844 CSS pixels at a
// device pixel ratio of 3), against the assembled page in build/web:
//   node web/bench/bench.mjs            (make web-bench)
// - a drag step on the Orrery tab: the model re-dated by four minutes, the dial and the
//   timeline drawn, the drawing flushed to pixels (one pixel read back); with the almanac's
//   series, then with the precise source (the setting Positions, Precise);
// - a turn step of the star chart while a finger holds it: turned by half a degree, drawn,
//   flushed;
// - the first view drawn after a reload that the service worker serves from its cache.
// Each prints the median and the worst of its steps, in milliseconds. Timings, not tests.

import puppeteer from 'puppeteer-core';
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const STEPS = 60;
const PORT = 8000 + Math.floor(Math.random() * 900);
const serveScript = fileURLToPath(new URL('../tools/serve.mjs', import.meta.url));

/** @param {number[]} values */
function summary(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return `median ${sorted[Math.floor(sorted.length / 2)].toFixed(2)} ms, worst ${sorted[sorted.length - 1].toFixed(2)} ms (${values.length} steps)`;
}

const server = spawn(process.execPath, [serveScript, String(PORT)], { stdio: ['ignore', 'pipe', 'inherit'] });
await new Promise((resolve) => server.stdout.once('data', resolve));
const profile = mkdtempSync(join(tmpdir(), 'quenaro-bench-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    `--user-data-dir=${profile}`],
});
try {
  const page = await browser.newPage();
  await page.emulate({
    viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile',
  });
  const base = `http://127.0.0.1:${PORT}/?date=2026-06-21T23:00&place=Troms%C3%B8`;
  await page.goto(`${base}&view=orrery`, { waitUntil: 'networkidle0' });
  await page.waitForFunction(() => 'quenaro' in globalThis);

  for (const precise of [false, true]) {
    const drag = await page.evaluate((steps, precise) => {
      const { app, almanac } = /** @type {any} */ (globalThis).quenaro;
      const dial = /** @type {HTMLCanvasElement} */ (document.querySelector('canvas'));
      almanac.setPrecise(precise);
      const times = [];
      for (let step = 0; step < steps; ++step) {
        const start = performance.now();
        almanac.setInstant(almanac.instant() + 240);
        app.mark(['dial', 'timeline']);
        app.renderNow();
        dial.getContext('2d')?.getImageData(0, 0, 1, 1);
        times.push(performance.now() - start);
      }
      almanac.setPrecise(false);
      return times;
    }, STEPS, precise);
    console.log(`drag step on the Orrery tab (${precise ? 'precise' : 'almanac'}): ${summary(drag)}`);
  }

  await page.goto(`${base}&view=sky`, { waitUntil: 'networkidle0' });
  await page.waitForFunction(() => 'quenaro' in globalThis);
  const turn = await page.evaluate((steps) => {
    const { app, almanac } = /** @type {any} */ (globalThis).quenaro;
    const chart = /** @type {HTMLCanvasElement} */ (document.querySelector('#chart, canvas.chart') ??
      [...document.querySelectorAll('canvas')].find((c) => c.offsetWidth > 0));
    almanac.setChartTurning(true);
    app.mark(['chart']);
    app.renderNow();
    const times = [];
    for (let step = 0; step < steps; ++step) {
      const start = performance.now();
      almanac.chartTurn(Math.PI / 360);
      app.mark(['chart']);
      app.renderNow();
      chart.getContext('2d')?.getImageData(0, 0, 1, 1);
      times.push(performance.now() - start);
    }
    almanac.setChartTurning(false);
    return times;
  }, STEPS);
  console.log(`turn step of the chart: ${summary(turn)}`);

  // From the cache: the worker took control on the first visit.
  const firstViews = [];
  for (let reload = 0; reload < 5; ++reload) {
    await page.goto(`${base}&view=orrery`, { waitUntil: 'load' });
    await page.waitForFunction(() => 'quenaro' in globalThis);
    firstViews.push(await page.evaluate(() => performance.now()));
  }
  console.log(`first view drawn after a reload from the cache: ${summary(firstViews)}`);
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}
