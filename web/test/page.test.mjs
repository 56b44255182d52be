// @ts-check
// The assembled page in headless Chromium on a phone's screen (390 × 844, three device pixels
// a CSS pixel, touch): links, the sheet against the command line, the dial and the chart under
// fingers, the place search, night mode, settings across a reload, a new version and offline.

import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { promisify } from 'node:util';
import { NATIVE_BIN, WEB_DIR, canvasColours, openPage, phonePage, startSite, textOf, waitReady }
  from '../test-support/harness.mjs';
import { buildVersion, listFiles } from '../tools/assemble.mjs';
import { startServer } from '../tools/serve.mjs';

const run = promisify(execFile);

/** @typedef {import('puppeteer-core').Page} Page */

/** @type {Awaited<ReturnType<typeof startSite>>} */
let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

/**
 * The page's address with a link's query.
 * @param {string} query
 */
const at = (query) => `${site.url}${query === '' ? '' : `?${query}`}`;

/**
 * A value of the almanac running in the page.
 * @template T
 * @param {Page} page
 * @param {string} method
 * @returns {Promise<T>}
 */
function almanac(page, method) {
  return page.evaluate((name) => {
    const handle = /** @type {any} */ (globalThis).quenaro;
    return handle.almanac[name]();
  }, method);
}

/** @param {Page} page */
const nextFrame = (page) => page.evaluate(() => new Promise((done) =>
  requestAnimationFrame(() => requestAnimationFrame(() => done(undefined)))));

/**
 * The box of an element in CSS pixels of the page.
 * @param {Page} page
 * @param {string} selector
 */
async function box(page, selector) {
  return page.$eval(selector, (element) => {
    const r = element.getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  });
}

/**
 * Touch events through the browser's input, as a touch screen sends them.
 * @param {import('puppeteer-core').CDPSession} cdp
 * @param {'touchStart' | 'touchMove' | 'touchEnd'} type
 * @param {{x: number, y: number}[]} points
 */
async function touch(cdp, type, points) {
  await cdp.send('Input.dispatchTouchEvent', {
    type,
    touchPoints: points.map((point, id) => ({ x: point.x, y: point.y, id, radiusX: 1, radiusY: 1, force: 1 })),
  });
}

/**
 * A digest of a canvas's pixels, to see whether it was drawn anew.
 * @param {Page} page
 * @param {string} id
 */
function canvasDigest(page, id) {
  return page.$eval(`#${id}`, (element) => {
    const canvas = /** @type {HTMLCanvasElement} */ (element);
    const context = canvas.getContext('2d');
    if (context === null) return 0;
    const pixels = context.getImageData(0, 0, canvas.width, canvas.height).data;
    let hash = 0;
    for (let i = 0; i < pixels.length; i += 4 * 3) hash = (Math.imul(hash, 31) + pixels[i] + pixels[i + 1] * 7) | 0;
    return hash;
  });
}

describe('links', () => {
  /** @type {{query: string, date: string, time: string, place: RegExp, notice: RegExp[],
   *   view: string}[]} */
  const links = [
    { query: 'date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4', date: '2026-12-07',
      time: '21:08', place: /^52\.5000° N 13\.4000° E · Europe\/Berlin · link$/, notice: [],
      view: 'orrery' },
    { query: 'date=2026-06-21T12:00&place=Troms%C3%B8', date: '2026-06-21', time: '12:00',
      place: /^Tromsø.* · Europe\/Oslo · link$/, notice: [], view: 'orrery' },
    { query: 'date=2026-03-14T22:45&tz=Asia/Kathmandu&lat=27.7&lon=85.3&view=sky',
      date: '2026-03-14', time: '22:45', place: /^27\.7000° N 85\.3000° E · Asia\/Kathmandu · link$/,
      notice: [], view: 'sky' },
    { query: 'date=2026-12-07T21:08&tz=Europe/Berlin&lat=95', date: '2026-12-07', time: '21:08',
      place: /^45\.0000° N 90\.0000° W · Europe\/Berlin · fallback 45° N 90° W$/,
      notice: [/lat/i], view: 'orrery' },
    { query: 'date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4&view=planets',
      date: '2026-12-07', time: '21:08', place: /· link$/, notice: [/view "planets"/],
      view: 'orrery' },
  ];
  for (const link of links) {
    test(`?${link.query} opens its moment, place and view`, async () => {
      const page = await phonePage(site.browser);
      try {
        await openPage(page, at(link.query));
        assert.equal(await page.$eval('#date-input', (e) => /** @type {HTMLInputElement} */ (e).value), link.date);
        assert.equal(await page.$eval('#time-input', (e) => /** @type {HTMLInputElement} */ (e).value), link.time);
        assert.match(await textOf(page, '#place-line'), link.place);
        const lines = await page.$$eval('#notice-lines > div', (divs) => divs.map((d) => d.textContent ?? ''));
        assert.equal(lines.length, link.notice.length, lines.join('\n'));
        link.notice.forEach((pattern, i) => assert.match(lines[i], pattern));
        assert.equal(await page.$eval('#notice', (e) => /** @type {HTMLElement} */ (e).hidden),
          link.notice.length === 0);
        assert.equal(await page.$eval(`#${link.view}`, (e) => /** @type {HTMLElement} */ (e).hidden), false);
        if (link.view === 'orrery') {
          const dial = await canvasColours(page, 'dial');
          assert.ok(dial.width >= 3 * 300 && dial.width === dial.height, `dial ${dial.width}×${dial.height}`);
          assert.ok(dial.colours > 20, `the dial is drawn (${dial.colours} colours)`);
          assert.ok((await canvasColours(page, 'timeline')).colours > 1, 'the timeline is drawn');
        } else {
          assert.ok((await canvasColours(page, 'chart')).colours > 20, 'the chart is drawn');
        }
      } finally {
        await page.close();
      }
    });
  }
});

describe('the sheet', () => {
  /** @type {{query: string, args: string[]}[]} */
  const sheets = [
    { query: 'date=2026-12-07T21:08:00&tz=Europe/Berlin&lat=52.5&lon=13.4',
      args: ['--date', '2026-12-07T21:08:00', '--tz', 'Europe/Berlin', '--lat', '52.5', '--lon', '13.4'] },
    { query: 'date=2026-06-21T12:00&tz=Europe/Oslo&lat=69.65&lon=18.96',
      args: ['--date', '2026-06-21T12:00', '--tz', 'Europe/Oslo', '--lat', '69.65', '--lon', '18.96'] },
    { query: 'date=2026-03-14T22:45&tz=Australia/Sydney&lat=-33.87&lon=151.21',
      args: ['--date', '2026-03-14T22:45', '--tz', 'Australia/Sydney', '--lat', '-33.87', '--lon', '151.21'] },
    { query: 'date=2026-09-23T06:30&place=Troms%C3%B8',
      args: ['--date', '2026-09-23T06:30', '--place', 'Tromsø'] },
  ];
  for (const sheet of sheets) {
    test(`?${sheet.query} shows as text what quenaro sheet prints`, async () => {
      const { stdout } = await run(NATIVE_BIN, ['sheet', ...sheet.args]);
      assert.ok(stdout.split('\n').length > 30, 'the command line printed a sheet');
      const page = await phonePage(site.browser);
      try {
        await page.evaluateOnNewDocument(() => localStorage.setItem('quenaro.Metric', 'true'));
        await openPage(page, at(`${sheet.query}&view=sheet`));
        await page.waitForSelector('#sheet-table tbody tr');
        const shown = await page.$$eval('#sheet-table tbody tr', (rows) => rows.map((row) =>
          `${[...row.querySelectorAll('td')].map((cell) => cell.textContent).join(' | ')}\n`).join(''));
        assert.equal(shown, stdout);
        const drawn = await canvasColours(page, 'sheet-canvas');
        assert.ok(drawn.colours > 2, 'the sheet\'s page is drawn');
        assert.ok(drawn.height >= 3 * 1500, `the page is 1500 CSS pixels tall (${drawn.height})`);
        // The hidden text takes no room: the sheet scrolls to the drawing's end and no further.
        const extent = await page.$eval('#sheet', (box) => {
          const canvas = /** @type {HTMLElement} */ (box.querySelector('#sheet-canvas'));
          return { width: box.scrollWidth - box.clientWidth,
            height: box.scrollHeight - (canvas.offsetTop + canvas.offsetHeight) };
        });
        assert.ok(extent.width <= 1 && extent.height <= 1,
          `the sheet scrolls no further than its drawing (${JSON.stringify(extent)})`);
      } finally {
        await page.close();
      }
    });
  }
});

describe('fingers', () => {
  test('a finger dragging the Sun round the dial moves the time, clockwise later', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, at('date=2026-12-07T12:00&tz=Europe/Berlin&lat=52.5&lon=13.4'));
      const dial = await box(page, '#dial');
      // Where the Sun stands: the first point the dial's own hit test says holds it.
      const sun = await page.evaluate((width) => {
        const a = /** @type {any} */ (globalThis).quenaro.almanac;
        for (let r = 0.3; r <= 0.98; r += 0.02) {
          for (let degrees = 0; degrees < 360; degrees += 2) {
            const x = width / 2 + r * (width / 2) * Math.cos(degrees * Math.PI / 180);
            const y = width / 2 + r * (width / 2) * Math.sin(degrees * Math.PI / 180);
            const held = a.dialPress(x, y, width);
            a.dialRelease();
            if (held === 1) return { x, y };
          }
        }
        return undefined;
      }, dial.width);
      assert.ok(sun, 'the Sun is on the dial');
      const before = await almanac(page, 'instant');
      const pictureBefore = await canvasDigest(page, 'dial');
      const centre = { x: dial.x + dial.width / 2, y: dial.y + dial.height / 2 };
      const radius = Math.hypot(sun.x - dial.width / 2, sun.y - dial.height / 2);
      const start = Math.atan2(sun.y - dial.height / 2, sun.x - dial.width / 2);
      const cdp = await page.createCDPSession();
      const point = (/** @type {number} */ angle) => [{ x: centre.x + radius * Math.cos(angle),
        y: centre.y + radius * Math.sin(angle) }];
      await touch(cdp, 'touchStart', point(start));
      for (let step = 1; step <= 8; step += 1) {
        await touch(cdp, 'touchMove', point(start + (step * 5 * Math.PI) / 180));
        await nextFrame(page);
      }
      await touch(cdp, 'touchEnd', []);
      await nextFrame(page);
      const moved = (await almanac(page, 'instant')) - before;
      // 40° of a turn that is a day: 2 h 40 min.
      assert.ok(Math.abs(moved - 9600) < 900, `the time moved by ${moved} s`);
      const [hours, minutes] = (await page.$eval('#time-input', (e) =>
        /** @type {HTMLInputElement} */ (e).value)).split(':').map(Number);
      assert.ok(Math.abs(hours * 60 + minutes - (12 * 60 + moved / 60)) <= 1, `the picker shows ${hours}:${minutes}`);
      assert.notEqual(await canvasDigest(page, 'dial'), pictureBefore, 'the dial is drawn anew');
      assert.match(await page.evaluate(() => location.search), /date=2026-12-07T14%3A[2-5]\d/);
      assert.equal(await almanac(page, 'dialHeld'), 0);
    } finally {
      await page.close();
    }
  });

  test('a double tap on the dial opens the date picker; a single tap does not', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4'));
      const dial = await box(page, '#dial');
      const centre = { x: dial.x + dial.width / 2, y: dial.y + dial.height / 2 };
      const cdp = await page.createCDPSession();
      await touch(cdp, 'touchStart', [centre]);
      await touch(cdp, 'touchEnd', []);
      assert.notEqual(await page.evaluate(() => document.activeElement?.id), 'date-input');
      await new Promise((done) => setTimeout(done, 500));
      for (let tap = 0; tap < 2; tap += 1) {
        await touch(cdp, 'touchStart', [{ x: centre.x + tap * 10, y: centre.y }]);
        await touch(cdp, 'touchEnd', []);
      }
      assert.equal(await page.evaluate(() => document.activeElement?.id), 'date-input');
    } finally {
      await page.close();
    }
  });

  test('two fingers turn the chart; a double tap switches its scale', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4&view=sky'));
      const chart = await box(page, '#chart');
      const centre = { x: chart.x + chart.width / 2, y: chart.y + chart.height / 2 };
      const before = await almanac(page, 'chartRotation');
      const pictureBefore = await canvasDigest(page, 'chart');
      const fingersAt = (/** @type {number} */ angle) => [
        { x: centre.x - 80 * Math.cos(angle), y: centre.y - 80 * Math.sin(angle) },
        { x: centre.x + 80 * Math.cos(angle), y: centre.y + 80 * Math.sin(angle) }];
      const cdp = await page.createCDPSession();
      await touch(cdp, 'touchStart', fingersAt(0));
      for (let step = 1; step <= 6; step += 1) {
        await touch(cdp, 'touchMove', fingersAt((step * 5 * Math.PI) / 180));
        await nextFrame(page);
      }
      await touch(cdp, 'touchEnd', []);
      await nextFrame(page);
      const turned = (await almanac(page, 'chartRotation')) - before;
      assert.ok(Math.abs(turned - Math.PI / 6) < 0.03, `the chart turned by ${turned} rad`);
      assert.notEqual(await canvasDigest(page, 'chart'), pictureBefore, 'the chart is drawn turned');

      const enlarged = await almanac(page, 'chartEnlarged');
      for (let tap = 0; tap < 2; tap += 1) {
        await touch(cdp, 'touchStart', [centre]);
        await touch(cdp, 'touchEnd', []);
      }
      await nextFrame(page);
      assert.equal(await almanac(page, 'chartEnlarged'), !enlarged);
    } finally {
      await page.close();
    }
  });
});

describe('the mouse on a desktop', () => {
  /** A desktop's window: no touch. */
  const desktop = async () => {
    const page = await (await site.browser.createBrowserContext()).newPage();
    await page.setViewport({ width: 1280, height: 800, deviceScaleFactor: 1 });
    return page;
  };

  /** @type {[string, number, boolean, number][]} */
  const wheels = [
    ['a notch away: ten minutes later', -100, false, 600],
    ['two notches towards: twenty minutes earlier', 200, false, -1200],
    ['a notch away with Shift: a day later', -100, true, 86400],
  ];
  for (const [name, deltaY, shift, seconds] of wheels) {
    test(`the wheel over the dial, ${name}`, async () => {
      const page = await desktop();
      try {
        await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4'));
        const dial = await box(page, '#dial');
        await page.mouse.move(dial.x + dial.width / 2, dial.y + dial.height / 2);
        const before = await almanac(page, 'instant');
        if (shift) await page.keyboard.down('Shift');
        await page.mouse.wheel({ deltaY });
        if (shift) await page.keyboard.up('Shift');
        await page.waitForFunction((from) =>
          /** @type {any} */ (globalThis).quenaro.almanac.instant() !== from, {}, before);
        assert.equal((await almanac(page, 'instant')) - before, seconds);
      } finally {
        await page.close();
      }
    });
  }

  test('a double click on the dial opens the date picker', async () => {
    const page = await desktop();
    try {
      await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4'));
      const dial = await box(page, '#dial');
      await page.mouse.click(dial.x + dial.width / 2, dial.y + dial.height / 2, { count: 2 });
      assert.equal(await page.evaluate(() => document.activeElement?.id), 'date-input');
    } finally {
      await page.close();
    }
  });

  /** @type {[string, 'right' | 'left', boolean][]} */
  const turns = [['a right drag', 'right', false], ['a Ctrl+drag', 'left', true]];
  for (const [name, button, ctrl] of turns) {
    test(`${name} turns the chart by the angle swept about its centre`, async () => {
      const page = await desktop();
      try {
        await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4&view=sky'));
        const chart = await box(page, '#chart');
        const centre = { x: chart.x + chart.width / 2, y: chart.y + chart.height / 2 };
        const before = await almanac(page, 'chartRotation');
        const at90 = (/** @type {number} */ degrees) => ({
          x: centre.x + 150 * Math.cos((degrees * Math.PI) / 180),
          y: centre.y + 150 * Math.sin((degrees * Math.PI) / 180) });
        await page.mouse.move(at90(0).x, at90(0).y);
        if (ctrl) await page.keyboard.down('Control');
        await page.mouse.down({ button });
        for (let degrees = 10; degrees <= 90; degrees += 10) {
          await page.mouse.move(at90(degrees).x, at90(degrees).y);
        }
        await page.mouse.up({ button });
        if (ctrl) await page.keyboard.up('Control');
        await nextFrame(page);
        const turned = (await almanac(page, 'chartRotation')) - before;
        assert.ok(Math.abs(turned - Math.PI / 2) < 0.03, `the chart turned by ${turned} rad`);
        const enlarged = await almanac(page, 'chartEnlarged');
        await page.mouse.click(centre.x, centre.y, { count: 2 });
        await nextFrame(page);
        assert.equal(await almanac(page, 'chartEnlarged'), !enlarged, 'a double click switches the scale');
      } finally {
        await page.close();
      }
    });
  }
});

describe('the calculator', () => {
  test('its keypad types a declination; the table shows the position; right ascension has no sign', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4&view=calculator'));
      assert.equal(await page.$eval('#calculator', (e) => /** @type {HTMLElement} */ (e).hidden), false);
      const key = (/** @type {number} */ tag) => page.click(`#calculator button[data-tag="${tag}"]`);
      for (const tag of [103, 1, 0, 202, 3, 0, 201]) await key(tag);
      assert.equal(await textOf(page, '#calc-entry'), "-10° 30'");
      assert.equal(await page.$eval('button[data-tag="103"]', (e) => e.getAttribute('aria-pressed')), 'true');
      const rows = await page.$$eval('#calc-table tr', (trs) => trs.map((tr) =>
        [...tr.children].map((cell) => cell.textContent)));
      assert.deepEqual(rows.map((row) => row[0]), ['Altitude', 'Azimuth', 'Right Ascension',
        'Declination', 'Latitude', 'Longitude']);
      assert.match(rows[3][1] ?? '', /^10°S 30' 0"$/);
      assert.equal(await textOf(page, '#sign-negative'), '-');
      // The keyboard types too: Backspace drops the last digit.
      await page.keyboard.press('Backspace');
      assert.equal(await textOf(page, '#calc-entry'), "-10° 3'");
      await key(102);
      assert.equal(await page.$eval('#sign-positive', (e) => /** @type {HTMLButtonElement} */ (e).disabled), true);
      await page.click('#calc-done');
      assert.equal(await page.$eval('#orrery', (e) => /** @type {HTMLElement} */ (e).hidden), false);
    } finally {
      await page.close();
    }
  });
});

describe('the place screen', () => {
  test('typing "Troms" finds Tromsø; picked, the place line shows it and it is remembered', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, site.url);
      assert.match(await textOf(page, '#place-line'), /fallback 45° N 90° W$/);
      await page.click('#place-line');
      await page.type('#place-search', 'Troms');
      await page.waitForSelector('#place-results button');
      await page.click('#place-results button');
      await page.waitForFunction(() => !document.querySelector('#place-dialog')?.hasAttribute('open'));
      assert.match(await textOf(page, '#place-line'), /^Tromsø.* · chosen$/);
      assert.match(await page.evaluate(() => localStorage.getItem('quenaro.PlaceName') ?? ''), /^Tromsø/);
      assert.match(await page.evaluate(() => decodeURIComponent(location.search)), /place=Tromsø/);

      // Times in the place's own zone.
      await page.click('#place-line');
      await page.click('#place-zone');
      await page.keyboard.press('Escape');
      assert.match(await textOf(page, '#place-line'), /· Europe\/Oslo · chosen$/);

      // Remembered on the next visit.
      await page.goto(site.url);
      await waitReady(page);
      assert.match(await textOf(page, '#place-line'), /^Tromsø.* · Europe\/Oslo · remembered$/);
      assert.ok(Math.abs((await almanac(page, 'latitude')) - 69.65) < 0.01);

      // Typed coordinates, in the zone of the zone map.
      await page.click('#place-line');
      await page.$eval('#place-lat', (e) => { /** @type {HTMLInputElement} */ (e).value = ''; });
      await page.$eval('#place-lon', (e) => { /** @type {HTMLInputElement} */ (e).value = ''; });
      await page.type('#place-lat', '27.7');
      await page.type('#place-lon', '85.3');
      assert.match(await textOf(page, '#place-typed-zone'), /Asia\/Kathmandu/);
      await page.click('#place-use-typed');
      assert.equal(await textOf(page, '#place-line'), '27.7000° N 85.3000° E · Asia/Kathmandu · chosen');
    } finally {
      await page.close();
    }
  });
});

describe('night mode and settings', () => {
  test('night mode shows the dial red of its brightness: green and blue 0', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, at('date=2026-12-07T12:00&tz=Europe/Berlin&lat=52.5&lon=13.4'));
      await page.click('#night-button');
      await nextFrame(page);
      assert.equal(await page.$eval('#dial', (e) => getComputedStyle(e).filter), 'url("#night-red")');
      // A setting changed keeps the link's zone.
      assert.match(await textOf(page, '#place-line'), /· Europe\/Berlin · link$/);
      const dial = await box(page, '#dial');
      const shot = await page.screenshot({ clip: dial, encoding: 'base64' });
      const seen = await page.evaluate(async (png) => {
        const image = new Image();
        image.src = `data:image/png;base64,${png}`;
        await image.decode();
        const look = document.createElement('canvas');
        look.width = image.width;
        look.height = image.height;
        const context = /** @type {CanvasRenderingContext2D} */ (look.getContext('2d'));
        context.drawImage(image, 0, 0);
        const shown = context.getImageData(0, 0, look.width, look.height).data;
        const canvas = /** @type {HTMLCanvasElement} */ (document.getElementById('dial'));
        const drawn = /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'))
          .getImageData(0, 0, canvas.width, canvas.height).data;
        let greenBlue = 0;
        let red = 0;
        for (let i = 0; i < shown.length; i += 4) {
          greenBlue = Math.max(greenBlue, shown[i + 1], shown[i + 2]);
          red += shown[i];
        }
        let luma = 0;
        let colourful = 0;
        for (let i = 0; i < drawn.length; i += 4) {
          const alpha = drawn[i + 3] / 255;
          luma += alpha * (0.299 * drawn[i] + 0.587 * drawn[i + 1] + 0.114 * drawn[i + 2]);
          if (drawn[i + 1] !== drawn[i] || drawn[i + 2] !== drawn[i]) colourful += 1;
        }
        return { greenBlue, red: red / (shown.length / 4), luma: luma / (drawn.length / 4),
          colourful, sizes: [look.width, canvas.width] };
      }, shot);
      assert.ok(Math.abs(seen.sizes[0] - seen.sizes[1]) <= 3, `the screenshot has the canvas's pixels (${seen.sizes})`);
      assert.ok(seen.colourful > 1000, 'the dial itself is drawn in colour');
      assert.equal(seen.greenBlue, 0, 'no pixel shows green or blue');
      assert.ok(seen.red > 5, `the dial shows red (${seen.red})`);
      assert.ok(Math.abs(seen.red - seen.luma) < 2, `red ${seen.red} is the luma ${seen.luma}`);
      assert.ok(await page.$eval('html', (e) => e.classList.contains('night')));
    } finally {
      await page.close();
    }
  });

  /** @type {[string, string, boolean][]} */
  const exports = [['orrery', 'dial', true], ['sky', 'chart', false], ['sheet', 'sheet-canvas', true]];
  for (const [view, canvas, night] of exports) {
    test(`Export saves the ${view} view as a PNG of its canvas${night ? ', red at night' : ''}`, async () => {
      const page = await phonePage(site.browser);
      try {
        await openPage(page, at(`date=2026-12-07T12:00&tz=Europe/Berlin&lat=52.5&lon=13.4&view=${view}`));
        if (night) await page.click('#night-button');
        // The download link's file, kept in the page instead of saved.
        await page.evaluate(() => {
          const link = /** @type {HTMLAnchorElement} */ (document.getElementById('download-link'));
          link.addEventListener('click', (event) => {
            event.preventDefault();
            Object.assign(globalThis, { exported: { href: link.href, name: link.download } });
          }, { once: true });
        });
        await page.click('#export-button');
        await page.waitForFunction(() => 'exported' in globalThis);
        const file = await page.evaluate(async (id) => {
          const { href, name } = /** @type {any} */ (globalThis).exported;
          const blob = await (await fetch(href)).blob();
          const bitmap = await createImageBitmap(blob);
          const look = new OffscreenCanvas(bitmap.width, bitmap.height);
          const context = /** @type {OffscreenCanvasRenderingContext2D} */ (look.getContext('2d'));
          context.drawImage(bitmap, 0, 0);
          const pixels = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
          let greenBlue = 0;
          let red = 0;
          for (let i = 0; i < pixels.length; i += 4) {
            greenBlue = Math.max(greenBlue, pixels[i + 1], pixels[i + 2]);
            red = Math.max(red, pixels[i]);
          }
          const shown = /** @type {HTMLCanvasElement} */ (document.getElementById(id));
          return { name, type: blob.type, size: [bitmap.width, bitmap.height],
            canvas: [shown.width, shown.height], greenBlue, red };
        }, canvas);
        assert.equal(file.name, `quenaro-${view}-2026-12-07T12-00.png`);
        assert.equal(file.type, 'image/png');
        assert.deepEqual(file.size, file.canvas);
        assert.ok(file.red > 0, 'the picture is not black');
        if (night) assert.equal(file.greenBlue, 0, 'red only at night');
        else assert.ok(file.greenBlue > 0, 'in colour by day');
      } finally {
        await page.close();
      }
    });
  }

  test('preferences, night mode and the sheet\'s form survive a reload; bad stored values read the defaults', async () => {
    const page = await phonePage(site.browser);
    try {
      await openPage(page, site.url);
      await page.click('#prefs-button');
      await page.click('input[name="ShowEcliptic"]');
      await page.click('input[name="ShowCircles"]');
      await page.$eval('input[name="ShowMinMagnitude"]', (e) => {
        const range = /** @type {HTMLInputElement} */ (e);
        range.value = '6.5';
        range.dispatchEvent(new Event('input', { bubbles: true }));
      });
      await page.click('input[name="Audience"][value="2"]');
      await page.click('input[name="Metric"][value="false"]');
      await page.keyboard.press('Escape');
      await page.click('#night-button');
      await page.click('#tab-sheet');
      await page.click('#sheet-mode');

      /** What the preferences show, after a reload. */
      const shown = async () => {
        await page.reload();
        await waitReady(page);
        await page.click('#prefs-button');
        const values = await page.$$eval('#prefs-dialog input', (inputs) => inputs.map((e) => {
          const input = /** @type {HTMLInputElement} */ (e);
          return input.type === 'range' ? `${input.name}=${input.value}`
            : input.checked ? `${input.name}${input.type === 'radio' ? `=${input.value}` : ''}` : '';
        }).filter((text) => text !== ''));
        await page.keyboard.press('Escape');
        return values;
      };
      assert.deepEqual(await shown(), ['ShowAltAz', 'ShowCircles', 'ShowRaDec',
        'ShowConstellationLines', 'ShowMinMagnitude=6.5', 'Audience=2', 'Metric=false',
        'Positions=Almanac']);
      assert.ok(await page.$eval('html', (e) => e.classList.contains('night')));
      assert.equal(await page.$eval('#night-button', (e) => e.getAttribute('aria-pressed')), 'true');
      assert.ok(await page.$eval('#sheet', (e) => e.classList.contains('as-text')));
      const distance = await page.$$eval('#sheet-table tbody tr', (rows) => rows.map((row) =>
        [...row.querySelectorAll('td')].map((cell) => cell.textContent).join(' | '))
        .find((line) => line.startsWith('Moon | Distance | ')));
      assert.match(distance ?? '', /^Moon \| Distance \| [\d.e+]+ mile$/);

      await page.evaluate(() => {
        localStorage.setItem('quenaro.ShowMinMagnitude', '9');
        localStorage.setItem('quenaro.Audience', 'two');
        localStorage.setItem('quenaro.ShowCircles', 'maybe');
        localStorage.setItem('quenaro.NightMode', 'NaN');
      });
      assert.deepEqual(await shown(), ['ShowAltAz', 'ShowRaDec', 'ShowConstellationLines',
        'ShowMinMagnitude=4.5', 'Audience=0', 'Metric=false', 'Positions=Almanac']);
      assert.equal(await page.$eval('html', (e) => e.classList.contains('night')), false);
    } finally {
      await page.close();
    }
  });
});

describe('the source of positions', () => {
  test('Precise redraws the sheet from the precise source as quenaro sheet --precise prints it; ' +
      'it persists, and a bad stored value reads Almanac', async () => {
    const moment = ['--date', '2026-12-07T21:08', '--tz', 'Europe/Berlin', '--lat', '52.5', '--lon', '13.4'];
    const [almanacSheet, preciseSheet] = await Promise.all([
      run(NATIVE_BIN, ['sheet', ...moment]), run(NATIVE_BIN, ['sheet', '--precise', ...moment])]);
    assert.match(preciseSheet.stdout, /\nPositions \| Source \| precise, delta T 69\.\d s\n$/);
    const page = await phonePage(site.browser);
    try {
      await page.evaluateOnNewDocument(() => localStorage.setItem('quenaro.Metric', 'true'));
      await openPage(page, at('date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4&view=sheet'));
      /** The sheet's text rows, the source the almanac takes and the choice shown. */
      const state = async () => {
        await nextFrame(page);
        const text = await page.$$eval('#sheet-table tbody tr', (rows) => rows.map((row) =>
          `${[...row.querySelectorAll('td')].map((cell) => cell.textContent).join(' | ')}\n`).join(''));
        await page.click('#prefs-button');
        const choice = await page.$eval('input[name="Positions"]:checked', (e) =>
          /** @type {HTMLInputElement} */ (e).value);
        await page.keyboard.press('Escape');
        return { text, precise: await almanac(page, 'precise'), choice,
          stored: await page.evaluate(() => localStorage.getItem('quenaro.Positions')) };
      };
      assert.deepEqual(await state(), { text: almanacSheet.stdout, precise: false,
        choice: 'Almanac', stored: null });
      const drawnBefore = await canvasDigest(page, 'sheet-canvas');

      await page.click('#prefs-button');
      await page.click('input[name="Positions"][value="Precise"]');
      await page.keyboard.press('Escape');
      assert.deepEqual(await state(), { text: preciseSheet.stdout, precise: true,
        choice: 'Precise', stored: 'Precise' });
      assert.notEqual(await canvasDigest(page, 'sheet-canvas'), drawnBefore, 'the sheet is drawn anew');

      await page.reload();
      await waitReady(page);
      assert.deepEqual(await state(), { text: preciseSheet.stdout, precise: true,
        choice: 'Precise', stored: 'Precise' });

      await page.evaluate(() => localStorage.setItem('quenaro.Positions', 'Exact'));
      await page.reload();
      await waitReady(page);
      assert.deepEqual(await state(), { text: almanacSheet.stdout, precise: false,
        choice: 'Almanac', stored: 'Exact' });
    } finally {
      await page.close();
    }
  });
});

describe('offline', () => {
  test('a new version is taken whole, old caches go; offline the page still shows the dial', async () => {
    // A copy of the build, so that a new version can be served.
    const root = mkdtempSync(join(tmpdir(), 'quenaro-site-'));
    cpSync(WEB_DIR, root, { recursive: true });
    const server = await startServer({ root, port: 0 });
    const page = await phonePage(site.browser);
    try {
      const cacheNames = () => page.evaluate(() => caches.keys());
      const workerVersion = () => /"version":"([0-9a-f]+)"/.exec(readFileSync(join(root, 'sw.js'), 'utf8'))?.[1];
      await openPage(page, `${server.url}?view=orrery`);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30000 });
      assert.deepEqual(await cacheNames(), [`quenaro-${workerVersion()}`]);

      // The next version: another page and the worker's new list and version.
      const index = join(root, 'index.html');
      writeFileSync(index, readFileSync(index, 'utf8').replace('</body>', '<p id="build-two" hidden></p>\n</body>'));
      const files = listFiles(root).filter((file) => file !== 'sw.js');
      const version = buildVersion(root, files);
      const worker = join(root, 'sw.js');
      writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const BUILD = \{.*\};/,
        `const BUILD = ${JSON.stringify({ version, files })};`));
      const reloaded = page.waitForNavigation({ timeout: 30000 });
      await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r?.update()));
      await reloaded;
      await waitReady(page);
      assert.ok(await page.$('#build-two'), 'the page came back as the new version');
      assert.deepEqual(await cacheNames(), [`quenaro-${version}`]);

      await server.close();
      await page.setOfflineMode(true);
      await page.reload();
      await waitReady(page);
      assert.ok(await page.$('#build-two'));
      assert.ok((await canvasColours(page, 'dial')).colours > 20, 'the dial is drawn offline');
      assert.match(await textOf(page, '#place-line'), /fallback 45° N 90° W$/);
    } finally {
      await page.close();
      await server.close();
      rmSync(root, { recursive: true, force: true });
    }
  });
});
