// @ts-check
// The page's own logic without a browser: settings read as the desktop reads them, the link,
// the clock, the gestures' arithmetic, the place line, night red, and the sheet's rows.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { pickerValues, sheetRows } from '../public/js/app.js';
import { MinuteClock } from '../public/js/clock.js';
import { DoubleTap, WheelNotches, lineAngle, turnBetween } from '../public/js/gestures.js';
import { linkSearch, linkView, readLink } from '../public/js/link.js';
import { turnRed } from '../public/js/night.js';
import { coordinatesText, parseCoordinates, placeLine, zoneInUse } from '../public/js/place.js';
import { calculatorRows, exportFileName, splitSignTitles } from '../public/js/screens.js';
import { PREFIX, metricForLocale, readPlace, readSettings, restoreDefaults, writePlace,
  writeSetting } from '../public/js/settings.js';

/** A storage in memory, as localStorage behaves. */
class MemoryStorage {
  /** @param {Record<string, string>} [values] */
  constructor(values = {}) {
    /** @type {Map<string, string>} */
    this.values = new Map(Object.entries(values).map(([key, value]) => [PREFIX + key, value]));
  }
  /** @param {string} key */
  getItem(key) { return this.values.get(key) ?? null; }
  /** @param {string} key @param {string} value */
  setItem(key, value) { this.values.set(key, String(value)); }
  /** @param {string} key */
  removeItem(key) { this.values.delete(key); }
}

describe('settings read as the desktop reads them', () => {
  const defaults = readSettings(new MemoryStorage(), 'de-DE');

  test('an empty store reads every default', () => {
    assert.deepEqual(defaults, {
      ShowAltAz: true, ShowEcliptic: true, ShowRaDec: true, ShowConstellationLines: true,
      ShowMinMagnitude: 4.5, ShowCircles: false, Audience: 0, Metric: true,
      UsePlaceTimeZone: false, NightMode: false, SheetAsText: false, Positions: 'Almanac',
    });
  });

  /** @type {[string, string, string, boolean | number | string][]} */
  const cases = [
    // key, stored text, what it reads, as
    ['ShowAltAz', 'false', 'stored', false],
    ['ShowAltAz', ' FALSE ', 'stored', false],
    ['ShowAltAz', '0', 'stored', false],
    ['ShowCircles', '1', 'stored', true],
    ['ShowCircles', 'yes', 'default', false],
    ['ShowCircles', '', 'default', false],
    ['NightMode', '{"on":true}', 'default', false],
    ['ShowMinMagnitude', '6.5', 'stored', 6.5],
    ['ShowMinMagnitude', '1', 'stored', 1],
    ['ShowMinMagnitude', '6.6', 'default', 4.5],
    ['ShowMinMagnitude', '0.5', 'default', 4.5],
    ['ShowMinMagnitude', 'NaN', 'default', 4.5],
    ['ShowMinMagnitude', 'Infinity', 'default', 4.5],
    ['ShowMinMagnitude', '0x5', 'default', 4.5],
    ['ShowMinMagnitude', '5e0', 'stored', 5],
    ['ShowMinMagnitude', 'true', 'default', 4.5],
    ['ShowMinMagnitude', '', 'default', 4.5],
    ['Audience', '2', 'stored', 2],
    ['Audience', '1.5', 'default', 0],
    ['Audience', '3', 'default', 0],
    ['Audience', '-1', 'default', 0],
    ['Audience', '1e0', 'default', 0],
    ['Metric', 'false', 'stored', false],
    ['UsePlaceTimeZone', 'true', 'stored', true],
    ['Positions', 'Precise', 'stored', 'Precise'],
    ['Positions', ' precise ', 'stored', 'Precise'],
    ['Positions', 'Almanac', 'stored', 'Almanac'],
    ['Positions', 'Exact', 'default', 'Almanac'],
    ['Positions', '1', 'default', 'Almanac'],
  ];
  for (const [key, text, reads, value] of cases) {
    test(`${key} = "${text}" reads the ${reads} value`, () => {
      const warnings = /** @type {string[]} */ ([]);
      const settings = readSettings(new MemoryStorage({ [key]: text }), 'de-DE',
        (line) => warnings.push(line));
      assert.equal(settings[/** @type {keyof typeof settings} */ (key)], value);
      assert.equal(warnings.length, reads === 'default' ? 1 : 0, warnings.join('\n'));
    });
  }

  test('the unit follows the locale when not stored', () => {
    for (const [locale, metric] of /** @type {[string, boolean][]} */ ([
      ['en-US', false], ['en-GB', false], ['my-MM', false], ['de-DE', true], ['en', true],
      ['zh-Hant-TW', true], ['fr-CA', true], ['', true]])) {
      assert.equal(metricForLocale(locale), metric, locale);
      assert.equal(readSettings(new MemoryStorage(), locale).Metric, metric, locale);
    }
  });

  test('writing refuses a value of the wrong kind or out of range, and stores the rest', () => {
    const storage = new MemoryStorage();
    assert.equal(writeSetting(storage, '', 'ShowMinMagnitude', 7), false);
    assert.equal(writeSetting(storage, '', 'ShowMinMagnitude', Number.NaN), false);
    assert.equal(writeSetting(storage, '', 'Audience', 2.5), false);
    assert.equal(writeSetting(storage, '', 'ShowAltAz', 1), false);
    assert.equal(writeSetting(storage, '', 'Audience', '1'), false);
    assert.equal(writeSetting(storage, '', 'Positions', 'precise'), false);
    assert.equal(writeSetting(storage, '', 'Positions', true), false);
    assert.equal(storage.values.size, 0);
    assert.equal(writeSetting(storage, '', 'ShowMinMagnitude', 6.5), true);
    assert.equal(writeSetting(storage, '', 'Audience', 1), true);
    assert.equal(writeSetting(storage, '', 'ShowAltAz', false), true);
    assert.equal(writeSetting(storage, '', 'Positions', 'Precise'), true);
    const read = readSettings(storage, '');
    assert.deepEqual([read.ShowMinMagnitude, read.Audience, read.ShowAltAz, read.Positions],
      [6.5, 1, false, 'Precise']);
  });

  test('Restore Defaults clears the preferences and keeps night mode and the zone choice', () => {
    const storage = new MemoryStorage({ ShowAltAz: 'false', Audience: '2', Metric: 'false',
      Positions: 'Precise', NightMode: 'true', UsePlaceTimeZone: 'true' });
    restoreDefaults(storage);
    const read = readSettings(storage, 'de');
    assert.deepEqual([read.ShowAltAz, read.Audience, read.Metric, read.Positions, read.NightMode,
      read.UsePlaceTimeZone], [true, 0, true, 'Almanac', true, true]);
  });

  /** @type {[Record<string, string>, boolean][]} */
  const places = [
    [{}, false],
    [{ LastLat: '69.6489', LastLon: '18.9551', PlaceName: 'Tromsø, Norway', PlaceZone: 'Europe/Oslo' }, true],
    [{ LastLat: '-90', LastLon: '180' }, true],
    [{ LastLat: '52.5' }, false],
    [{ LastLon: '13.4' }, false],
    [{ LastLat: '90.5', LastLon: '0' }, false],
    [{ LastLat: '0', LastLon: '-180.01' }, false],
    [{ LastLat: 'north', LastLon: '13.4' }, false],
    [{ LastLat: 'NaN', LastLon: '13.4' }, false],
  ];
  for (const [stored, valid] of places) {
    test(`the stored place ${JSON.stringify(stored)} is ${valid ? 'read' : 'ignored'}`, () => {
      const place = readPlace(new MemoryStorage(stored));
      assert.equal(place !== undefined, valid);
      if (place !== undefined) {
        assert.equal(place.latitude, Number(stored.LastLat));
        assert.equal(place.longitude, Number(stored.LastLon));
        assert.equal(place.name, stored.PlaceName ?? '');
        assert.equal(place.zone, stored.PlaceZone ?? '');
      }
    });
  }

  test('a place written reads back whole', () => {
    const storage = new MemoryStorage();
    const place = { latitude: -33.86785, longitude: 151.20732, name: 'Sydney, Australia',
      zone: 'Australia/Sydney' };
    writePlace(storage, place);
    assert.deepEqual(readPlace(storage), place);
  });
});

describe('the link', () => {
  test('reads every parameter, each empty when absent', () => {
    assert.deepEqual(readLink('?date=2026-12-07T21:08&tz=Europe/Berlin&lat=52.5&lon=13.4&view=sky'), {
      date: '2026-12-07T21:08', tz: 'Europe/Berlin', lat: '52.5', lon: '13.4', place: '', view: 'sky',
    });
    assert.deepEqual(readLink('?place=Troms%C3%B8'), {
      date: '', tz: '', lat: '', lon: '', place: 'Tromsø', view: '' });
  });

  /** @type {[string, string, boolean][]} */
  const views = [
    ['', 'orrery', false], ['orrery', 'orrery', false], ['sky', 'sky', false],
    ['sheet', 'sheet', false], ['calculator', 'calculator', false], ['Sky', 'orrery', true],
    ['map', 'orrery', true],
  ];
  for (const [written, view, bad] of views) {
    test(`view "${written}" opens the ${view}${bad ? ' and is named as bad' : ''}`, () => {
      const result = linkView(readLink(`?view=${written}`));
      assert.equal(result.view, view);
      assert.equal(result.problem !== '', bad);
      if (bad) assert.match(result.problem, new RegExp(`view "${written}"`));
    });
  }

  /** @type {[import('../public/js/link.js').Shown, string][]} */
  const addresses = [
    [{ date: '', zone: 'Europe/Berlin', latitude: 52.5, longitude: 13.4, place: '', view: 'orrery' },
      '?tz=Europe%2FBerlin&lat=52.5&lon=13.4'],
    [{ date: '2026-06-21T23:00', zone: 'Europe/Oslo', latitude: 69.6489, longitude: 18.9551,
      place: 'Tromsø, Norway', view: 'sheet' },
    '?date=2026-06-21T23%3A00&tz=Europe%2FOslo&place=Troms%C3%B8%2C+Norway&view=sheet'],
    [{ date: '', zone: 'Etc/GMT-9', latitude: -0.000001, longitude: 135, place: '', view: 'calculator' },
      '?tz=Etc%2FGMT-9&lat=-0.000001&lon=135&view=calculator'],
  ];
  for (const [shown, search] of addresses) {
    test(`what is shown writes ${search} and reads back`, () => {
      assert.equal(linkSearch(shown), search);
      const link = readLink(search);
      assert.equal(link.date, shown.date);
      assert.equal(link.tz, shown.zone);
      assert.equal(link.place, shown.place);
      if (shown.place === '') {
        assert.equal(Number(link.lat), shown.latitude);
        assert.equal(Number(link.lon), shown.longitude);
      }
      assert.equal(linkView(link).view, shown.view);
    });
  }
});

describe('the clock', () => {
  /** A clock on a hand-driven time with its timers. */
  function rig() {
    const state = { now: Date.UTC(2026, 11, 7, 20, 8, 30), held: false, ticks: 0,
      /** @type {{at: number, callback: () => void}[]} */ timers: [] };
    const clock = new MinuteClock({
      now: () => state.now,
      setTimer: (callback, ms) => {
        const timer = { at: state.now + ms, callback };
        state.timers.push(timer);
        return timer;
      },
      clearTimer: (timer) => { state.timers = state.timers.filter((t) => t !== timer); },
      held: () => state.held,
      tick: () => { state.ticks += 1; },
    });
    /** Moves the time on, firing the timers that fall due. */
    const advance = (/** @type {number} */ ms) => {
      const end = state.now + ms;
      for (;;) {
        const due = state.timers.filter((t) => t.at <= end).sort((a, b) => a.at - b.at)[0];
        if (due === undefined) break;
        state.timers = state.timers.filter((t) => t !== due);
        state.now = due.at;
        due.callback();
      }
      state.now = end;
    };
    return { state, clock, advance };
  }

  test('ticks once at each change of the minute, and only then', () => {
    const { state, clock, advance } = rig();
    clock.start();
    advance(29000);
    assert.equal(state.ticks, 0);
    advance(2000);
    assert.equal(state.ticks, 1);
    advance(5 * 60000);
    assert.equal(state.ticks, 6);
    assert.equal(state.timers.length, 1);
  });

  test('waits while the dial is held, then the next tick returns to now', () => {
    const { state, clock, advance } = rig();
    clock.start();
    state.held = true;
    advance(3 * 60000);
    assert.equal(state.ticks, 0);
    state.held = false;
    advance(60000);
    assert.equal(state.ticks, 1);
  });

  test('a picked moment stays until Now, which ticks at once and follows again', () => {
    const { state, clock, advance } = rig();
    clock.start();
    clock.fix();
    advance(10 * 60000);
    assert.equal(state.ticks, 0);
    clock.follow();
    assert.equal(state.ticks, 1);
    assert.equal(clock.following, true);
    advance(60000);
    assert.equal(state.ticks, 2);
  });

  test('stops while hidden and catches up when shown', () => {
    const { state, clock, advance } = rig();
    clock.start();
    clock.setVisible(false);
    assert.equal(state.timers.length, 0);
    advance(30 * 60000);
    assert.equal(state.ticks, 0);
    clock.setVisible(true);
    assert.equal(state.ticks, 1);
    advance(60000);
    assert.equal(state.ticks, 2);
  });

  test('shown again with a picked moment, it does not move the model', () => {
    const { state, clock } = rig();
    clock.start();
    clock.fix();
    clock.setVisible(false);
    clock.setVisible(true);
    assert.equal(state.ticks, 0);
  });
});

describe('gestures', () => {
  /** @type {[string, [number, number, number][], boolean[]][]} */
  const tapCases = [
    ['two quick taps at one place', [[10, 10, 0], [12, 11, 300]], [false, true]],
    ['two taps too slow', [[10, 10, 0], [10, 10, 401]], [false, false]],
    ['two taps at the limit', [[10, 10, 0], [10, 34, 400]], [false, true]],
    ['two taps too far apart', [[10, 10, 0], [35, 10, 100]], [false, false]],
    ['three taps make one double tap', [[0, 0, 0], [0, 0, 100], [0, 0, 200]], [false, true, false]],
    ['a slow tap starts a new pair', [[0, 0, 0], [0, 0, 500], [0, 0, 800]], [false, false, true]],
  ];
  for (const [name, taps, expected] of tapCases) {
    test(`double tap: ${name}`, () => {
      const doubleTap = new DoubleTap();
      assert.deepEqual(taps.map(([x, y, t]) => doubleTap.tap(x, y, t)), expected);
    });
  }

  /** @type {[number, number, number][]} */
  const turns = [
    [0, Math.PI / 6, Math.PI / 6],
    [Math.PI / 6, 0, -Math.PI / 6],
    [3, -3, 2 * Math.PI - 6],
    [-3, 3, 6 - 2 * Math.PI],
    [0, Math.PI, Math.PI],
    [1, 1, 0],
  ];
  for (const [from, to, turn] of turns) {
    test(`the turn from ${from.toFixed(3)} to ${to.toFixed(3)} is ${turn.toFixed(3)}`, () => {
      assert.ok(Math.abs(turnBetween(from, to) - turn) < 1e-12);
    });
  }

  test('the line through two fingers turns clockwise on screen as its angle grows', () => {
    const centre = { x: 100, y: 100 };
    assert.equal(lineAngle(centre, { x: 200, y: 100 }), 0);
    assert.ok(Math.abs(lineAngle(centre, { x: 100, y: 200 }) - Math.PI / 2) < 1e-12);
  });

  /** @type {[string, [number, number][], number[]][]} */
  const wheels = [
    ['a notch away is ten minutes later', [[-100, 0]], [1]],
    ['a notch towards is earlier', [[100, 0]], [-1]],
    ['small steps add up to a notch', [[-40, 0], [-40, 0], [-40, 0]], [0, 0, 1]],
    ['three lines are a notch', [[-3, 1], [6, 1]], [1, -2]],
    ['a page is a notch', [[-1, 2]], [1]],
    ['not a number moves nothing', [[Number.NaN, 0]], [0]],
  ];
  for (const [name, deltas, notches] of wheels) {
    test(`wheel: ${name}`, () => {
      const wheel = new WheelNotches();
      assert.deepEqual(deltas.map(([delta, mode]) => wheel.turn(delta, mode)), notches);
    });
  }
});

describe('the place line', () => {
  /** @type {[Parameters<typeof placeLine>[0], string][]} */
  const lines = [
    [{ name: 'Tromsø, Norway', latitude: 69.6489, longitude: 18.9551, zone: 'Europe/Oslo',
      source: 'chosen' }, 'Tromsø, Norway · Europe/Oslo · chosen'],
    [{ name: '', latitude: 52.5, longitude: 13.4, zone: 'Europe/Berlin', source: 'link' },
      '52.5000° N 13.4000° E · Europe/Berlin · link'],
    [{ name: '', latitude: 45, longitude: -90, zone: 'America/Chicago', source: 'fallback' },
      '45.0000° N 90.0000° W · America/Chicago · fallback 45° N 90° W'],
    [{ name: '', latitude: -33.86786, longitude: -0.00001, zone: 'Etc/GMT', source: 'remembered' },
      '33.8679° S 0.0000° E · Etc/GMT · remembered'],
  ];
  for (const [place, line] of lines) {
    test(line, () => assert.equal(placeLine(place), line));
  }

  test('the zone in use is the place\'s own only when asked for and known', () => {
    assert.equal(zoneInUse(true, 'Europe/Oslo', 'Europe/Berlin'), 'Europe/Oslo');
    assert.equal(zoneInUse(false, 'Europe/Oslo', 'Europe/Berlin'), 'Europe/Berlin');
    assert.equal(zoneInUse(true, '', 'Europe/Berlin'), 'Europe/Berlin');
  });

  /** @type {[string, string, string][]} */
  const typed = [
    ['52.52', '13.40', '52.5200° N 13.4000° E'],
    ['-33,5', '151', '33.5000° S 151.0000° E'],
    [' 90 ', '-180', '90.0000° N 180.0000° W'],
    ['90.1', '0', 'Latitude'],
    ['0', '181', 'Longitude'],
    ['north', '0', 'Latitude'],
    ['', '10', 'Latitude'],
    ['1e1', '10', 'Latitude'],
  ];
  for (const [lat, lon, expected] of typed) {
    test(`typed "${lat}", "${lon}" reads ${expected}`, () => {
      const result = parseCoordinates(lat, lon);
      if ('problem' in result) assert.match(result.problem, new RegExp(`^${expected}`));
      else assert.equal(coordinatesText(result.latitude, result.longitude), expected);
    });
  }
});

describe('pictures and texts', () => {
  test('night red is the luma in red, green and blue 0, alpha kept', () => {
    const pixels = new Uint8ClampedArray([255, 255, 255, 255, 255, 0, 0, 128, 0, 255, 0, 255,
      0, 0, 255, 10, 100, 150, 200, 0]);
    turnRed(pixels);
    assert.deepEqual([...pixels], [255, 0, 0, 255, 76, 0, 0, 128, 150, 0, 0, 255, 29, 0, 0, 10,
      141, 0, 0, 0]);
  });

  test('the sheet\'s rows give back every line when joined', () => {
    const text = 'Time | Date | Dec 7, 2026\nSun | Location | RA 16h 58m 1s / Alt -46° 3\' 8"\n' +
      'Moon | Moon Age | 28 days | New\nA line of another shape\n';
    const rows = sheetRows(text);
    assert.deepEqual(rows[0], ['Time', 'Date', 'Dec 7, 2026']);
    assert.deepEqual(rows[2], ['Moon', 'Moon Age', '28 days | New']);
    assert.deepEqual(rows[3], ['A line of another shape']);
    assert.equal(rows.map((cells) => `${cells.join(' | ')}\n`).join(''), text);
  });

  /** @type {[string, {date: string, time: string}][]} */
  const pickers = [
    ['2026-06-21T23:00', { date: '2026-06-21', time: '23:00' }],
    ['2026-12-07T21:08:30', { date: '2026-12-07', time: '21:08' }],
    ['-0044-03-15T12:00', { date: '', time: '12:00' }],
    ['0000-01-01T00:00', { date: '', time: '00:00' }],
    ['nonsense', { date: '', time: '' }],
  ];
  for (const [linkDate, values] of pickers) {
    test(`the pickers show ${linkDate} as ${JSON.stringify(values)}`, () => {
      assert.deepEqual(pickerValues(linkDate), values);
    });
  }

  /** @type {[string, [string, string]][]} */
  const signs = [
    ['+\t-', ['+', '-']], ['W\tE', ['W', 'E']], ['+\n-', ['+', '-']], ['NS', ['N', 'S']],
    ['\t', ['', '']], ['', ['', '']],
  ];
  for (const [text, titles] of signs) {
    test(`the sign titles ${JSON.stringify(text)} are ${JSON.stringify(titles)}`, () => {
      assert.deepEqual(splitSignTitles(text), titles);
    });
  }

  test('the calculator\'s table rows are its titles and values', () => {
    assert.deepEqual(calculatorRows('Altitude\t+10° 30\' 0" N\nAzimuth\t5° 0\' 0" W\n'), [
      ['Altitude', '+10° 30\' 0" N'], ['Azimuth', '5° 0\' 0" W']]);
    assert.deepEqual(calculatorRows('12h 5m\n'), [['Altitude', '12h 5m']]);
    assert.deepEqual(calculatorRows(''), []);
  });

  test('an export is named by its view and moment', () => {
    assert.equal(exportFileName('orrery', '2026-12-07T21:08'), 'quenaro-orrery-2026-12-07T21-08.png');
    assert.equal(exportFileName('sky', '-0044-03-15T12:00'), 'quenaro-sky--0044-03-15T12-00.png');
    assert.equal(exportFileName('sheet', ''), 'quenaro-sheet.png');
  });
});
