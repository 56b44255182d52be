// @ts-check
// The page's state around the one almanac: the place and where it came from, the settings,
// the view shown, the clock, the controls and the address; it draws the visible views
// through the module, batched to the display's frames.

import { MinuteClock } from './clock.js';
import { linkNamesPlace, linkSearch, linkSetsAlmanac, linkView } from './link.js';
import { FALLBACK_PLACE, placeLine, zoneInUse } from './place.js';
import { readPlace, readSettings, writePlace, writeSetting } from './settings.js';
import { element } from './dom.js';

/** @typedef {import('../../types/quenaro.js').Almanac} Almanac */
/** @typedef {import('../../types/quenaro.js').AlmanacClass} AlmanacClass */
/** @typedef {import('../../types/quenaro.js').QuenaroModule} QuenaroModule */
/** @typedef {import('../../types/quenaro.js').GazetteerPlace} GazetteerPlace */
/** @typedef {import('./link.js').Link} Link */
/** @typedef {import('./link.js').View} View */
/** @typedef {import('./place.js').PlaceSource} PlaceSource */
/** @typedef {import('./settings.js').Settings} Settings */

/** The drawn views, each redrawn when marked. */
/** @typedef {'dial' | 'timeline' | 'chart' | 'sheet'} Part */
const ALL_PARTS = /** @type {Part[]} */ (['dial', 'timeline', 'chart', 'sheet']);

/** The sheet's page, CSS pixels: at least this wide, this tall unless its lines need more. */
const SHEET_MIN_WIDTH = 320;
const SHEET_HEIGHT = 1500;

/**
 * Splits the sheet's text into its rows: [section, label, value], or one cell for a line
 * of another shape, so that joining the cells with " | " gives each line back.
 * @param {string} text
 * @returns {string[][]}
 */
export function sheetRows(text) {
  return text.split('\n').filter((line) => line !== '').map((line) => {
    const first = line.indexOf(' | ');
    const second = first < 0 ? -1 : line.indexOf(' | ', first + 3);
    if (second < 0) return [line];
    return [line.slice(0, first), line.slice(first + 3, second), line.slice(second + 3)];
  });
}

/**
 * The date and time parts of a link date ("2026-06-21T23:00" → "2026-06-21", "23:00"): the
 * date empty when the year is outside what a date input shows (0001-9999).
 * @param {string} linkDate
 */
export function pickerValues(linkDate) {
  const match = /^(-?\d{4,})-(\d\d)-(\d\d)T(\d\d):(\d\d)/.exec(linkDate);
  if (match === null) return { date: '', time: '' };
  const year = Number(match[1]);
  const date = year >= 1 && year <= 9999 ? `${match[1]}-${match[2]}-${match[3]}` : '';
  return { date, time: `${match[4]}:${match[5]}` };
}

export class App {
  /**
   * @param {QuenaroModule} module
   * @param {Pick<Storage, 'getItem' | 'setItem' | 'removeItem'>} storage
   * @param {string} locale
   */
  constructor(module, storage, locale) {
    this.module = module;
    /** @type {AlmanacClass} */
    this.Almanac = module.Almanac;
    /** @type {Almanac} */
    this.almanac = new module.Almanac();
    this.storage = storage;
    this.locale = locale;
    this.settings = readSettings(storage, locale, (line) => console.warn(line));
    /**
     * Where the place came from, its own zone, and a name that finds it in the gazetteer.
     * @type {{source: PlaceSource, zone: string, query: string}}
     */
    this.place = { source: 'fallback', zone: '', query: '' };
    /** @type {View} */
    this.view = 'orrery';
    /** The tab to go back to from the calculator. */
    /** @type {View} */
    this.lastTab = 'orrery';
    /** @type {Set<Part>} */
    this.dirty = new Set(ALL_PARTS);
    this.frame = 0;
    /** Sizes of the views in CSS pixels, from the layout. */
    this.sizes = { dial: 0, timelineWidth: 0, timelineHeight: 0, chartWidth: 0, chartHeight: 0,
      sheetWidth: 0, sheetHeight: SHEET_HEIGHT };
    this.sheetText = '';
    /** Called after every change of what is shown and of the view (the calculator's screen
     * shows its values again). */
    /** @type {Array<() => void>} */
    this.listeners = [];
    this.clock = new MinuteClock({
      now: () => Date.now(),
      setTimer: (callback, ms) => setTimeout(callback, ms),
      clearTimer: (timer) => clearTimeout(/** @type {number} */ (timer)),
      held: () => this.almanac.dialHeld() !== 0,
      tick: () => {
        this.almanac.setNow();
        this.changed(false);
      },
    });
    this.dom = {
      dial: /** @type {HTMLCanvasElement} */ (element('dial')),
      timeline: /** @type {HTMLCanvasElement} */ (element('timeline')),
      chart: /** @type {HTMLCanvasElement} */ (element('chart')),
      sheet: /** @type {HTMLCanvasElement} */ (element('sheet-canvas')),
      sheetScreen: element('sheet'),
      sheetBody: /** @type {HTMLTableSectionElement} */ (element('sheet-table').querySelector('tbody')),
      dialBox: element('dial-box'),
      underDial: element('under-dial'),
      moment: /** @type {HTMLElement} */ (element('under-dial').querySelector('.moment')),
      chartBox: element('chart-box'),
      dateInput: /** @type {HTMLInputElement} */ (element('date-input')),
      timeInput: /** @type {HTMLInputElement} */ (element('time-input')),
      nowButton: element('now-button'),
      placeLine: element('place-line'),
      notice: element('notice'),
      noticeLines: element('notice-lines'),
    };
  }

  // Static functions of the bound class.

  /** @param {string} query @param {number} limit @returns {GazetteerPlace[]} */
  searchPlaces(query, limit) {
    try {
      // JSON text; a list of objects is taken as it is.
      const answer = /** @type {unknown} */ (this.Almanac.searchPlaces(query, limit));
      const found = typeof answer === 'string' ? JSON.parse(answer) : answer;
      return Array.isArray(found) ? found : [];
    } catch (error) {
      console.warn('Place search failed:', error);
      return [];
    }
  }

  /** The device's zone (a class function of the binding; an instance's where it is one). */
  deviceZone() {
    return typeof this.Almanac.deviceZone === 'function' ? this.Almanac.deviceZone()
      : this.almanac.deviceZone?.() ?? 'UTC';
  }

  /** @param {number} latitude @param {number} longitude */
  zoneAt(latitude, longitude) {
    return this.Almanac.zoneAt(latitude, longitude);
  }

  /**
   * A name that finds this very place in the gazetteer ('' when it finds another).
   * @param {string} name
   * @param {number} latitude
   * @param {number} longitude
   */
  placeQuery(name, latitude, longitude) {
    if (name === '') return '';
    const [best] = this.searchPlaces(name, 1);
    return best !== undefined && Math.abs(best.latitude - latitude) < 1e-9 &&
      Math.abs(best.longitude - longitude) < 1e-9 ? name : '';
  }

  // Starting.

  /**
   * Sets the almanac up from the settings, the remembered place and the link, and starts the
   * clock. Returns the lines naming the link's bad values.
   * @param {Link} link
   * @returns {string[]}
   */
  start(link) {
    this.applySettings();
    this.almanac.setNow();
    const stored = readPlace(this.storage, (line) => console.warn(line));
    if (stored !== undefined && this.almanac.setPlace(stored.latitude, stored.longitude, stored.name)) {
      const zone = stored.zone !== '' ? stored.zone : this.zoneAt(stored.latitude, stored.longitude);
      this.place = { source: 'remembered', zone,
        query: this.placeQuery(stored.name, stored.latitude, stored.longitude) };
    } else {
      this.almanac.setPlace(FALLBACK_PLACE.latitude, FALLBACK_PLACE.longitude, '');
      this.place = { source: 'fallback',
        zone: this.zoneAt(FALLBACK_PLACE.latitude, FALLBACK_PLACE.longitude), query: '' };
    }
    this.useZoneSetting();

    const problems = [];
    if (linkSetsAlmanac(link)) problems.push(...this.applyLink(link));
    const { view, problem } = linkView(link);
    if (problem !== '') problems.push(problem);
    this.showNotice(problems);
    this.view = view;
    if (view !== 'calculator') this.lastTab = view;
    this.clock.start();
    return problems;
  }

  /**
   * Applies the link's moment, zone and place; what it does not name stays as it was.
   * @param {Link} link
   * @returns {string[]} the lines naming its bad values
   */
  applyLink(link) {
    const a = this.almanac;
    const before = { latitude: a.latitude(), longitude: a.longitude(), name: a.placeName(),
      zone: a.zoneName(), instant: a.instant() };
    const text = a.applyLink(link.date, link.tz, link.lat, link.lon, link.place);
    const names = linkNamesPlace(link);
    if (!names && (a.latitude() !== before.latitude || a.longitude() !== before.longitude ||
        a.placeName() !== before.name)) {
      a.setPlace(before.latitude, before.longitude, before.name);
    }
    if (!names && link.tz === '' && a.zoneName() !== before.zone) a.setZone(before.zone);
    const moved = a.latitude() !== before.latitude || a.longitude() !== before.longitude ||
      a.placeName() !== before.name;
    if (names && (moved || text === '')) {
      const latitude = a.latitude();
      const longitude = a.longitude();
      const name = a.placeName();
      const query = link.place !== '' && name !== '' ? this.placeQuery(link.place, latitude, longitude) : '';
      const own = query !== '' ? this.searchPlaces(query, 1)[0]?.zone ?? '' : '';
      this.place = { source: 'link', query,
        zone: link.tz === '' ? a.zoneName() : own !== '' ? own : this.zoneAt(latitude, longitude) };
    }
    if (link.date !== '' && a.instant() !== before.instant) this.clock.fix();
    return text.split('\n').map((line) => line.trim()).filter((line) => line !== '');
  }

  /** Shows the figures in the zone the setting asks for (the place's own, or the device's). */
  useZoneSetting() {
    const device = this.deviceZone();
    const zone = zoneInUse(this.settings.UsePlaceTimeZone, this.place.zone, device);
    if (!this.almanac.setZone(zone)) this.almanac.setZone(device);
  }

  /** Gives the almanac and the views the settings and turns night mode on or off. */
  applySettings() {
    const s = this.settings;
    this.almanac.setPrecise(s.Positions === 'Precise');
    this.almanac.setChartSettings(s.ShowAltAz, s.ShowCircles, s.ShowEcliptic, s.ShowRaDec,
      s.ShowConstellationLines, s.ShowMinMagnitude);
    this.almanac.setAudience(s.Audience);
    this.almanac.setMetric(s.Metric);
    document.documentElement.classList.toggle('night', s.NightMode);
    const theme = document.querySelector('meta[name="theme-color"]');
    if (theme !== null) theme.setAttribute('content', s.NightMode ? '#000000' : '#0b1020');
    this.dom.sheetScreen.classList.toggle('as-text', s.SheetAsText);
  }

  /**
   * Stores a setting and shows it at once; the choice of zone moves the figures to that zone.
   * @param {keyof Settings} key
   * @param {import('./settings.js').SettingValue} value
   */
  setSetting(key, value) {
    if (!writeSetting(this.storage, this.locale, key, value)) return;
    this.reloadSettings();
    if (key === 'UsePlaceTimeZone') {
      this.useZoneSetting();
      this.changed(true);
    }
  }

  /** Reads the settings back from the storage and shows them. */
  reloadSettings() {
    this.settings = readSettings(this.storage, this.locale, (line) => console.warn(line));
    this.applySettings();
    this.changed(false);
  }

  // Changes.

  /**
   * Something shown changed: every view is drawn again at the next frame, the controls show
   * it, and the address follows what the user picked.
   * @param {boolean} picked whether the user made the change
   */
  changed(picked) {
    for (const part of ALL_PARTS) this.dirty.add(part);
    this.refreshControls();
    this.requestFrame();
    if (picked) this.writeAddress();
    for (const listener of this.listeners) listener();
  }

  /**
   * The user chose a place: the model moves there, in the zone the setting asks for, and
   * the choice is remembered.
   * @param {number} latitude
   * @param {number} longitude
   * @param {string} name
   * @param {string} zone the place's own zone
   * @returns {boolean} false when the position is not one
   */
  choosePlace(latitude, longitude, name, zone) {
    if (!this.almanac.setPlace(latitude, longitude, name)) return false;
    this.place = { source: 'chosen', zone, query: this.placeQuery(name, latitude, longitude) };
    writePlace(this.storage, { latitude, longitude, name, zone });
    this.useZoneSetting();
    this.changed(true);
    return true;
  }

  /**
   * The user picked a wall time in the zone in use ("2026-12-07", "21:08").
   * @param {string} date
   * @param {string} time
   * @returns {string} what was wrong with it, '' when it was taken
   */
  pickWallTime(date, time) {
    const a = this.almanac;
    const before = { latitude: a.latitude(), longitude: a.longitude(), name: a.placeName(),
      zone: a.zoneName() };
    const problem = a.applyLink(`${date}T${time}`, before.zone, '', '', '');
    if (a.latitude() !== before.latitude || a.longitude() !== before.longitude ||
        a.placeName() !== before.name) {
      a.setPlace(before.latitude, before.longitude, before.name);
    }
    if (a.zoneName() !== before.zone) a.setZone(before.zone);
    if (problem.trim() === '') this.clock.fix();
    this.changed(true);
    return problem.trim();
  }

  /**
   * Moves the model by a number of seconds (the wheel): the moment then stays, like one picked.
   * @param {number} seconds
   */
  moveBy(seconds) {
    if (this.almanac.setInstant(this.almanac.instant() + seconds)) {
      this.clock.fix();
      this.changed(true);
    }
  }

  /** Now: the model follows the clock again. */
  followClock() {
    this.clock.follow();
    this.writeAddress();
  }

  /**
   * Shows a view (a tab, or the calculator's screen).
   * @param {View} view
   * @param {boolean} [picked] whether the user picked it (the address follows)
   */
  showView(view, picked = true) {
    this.view = view;
    if (view !== 'calculator') this.lastTab = view;
    for (const name of /** @type {View[]} */ (['orrery', 'sky', 'sheet', 'calculator'])) {
      element(name).hidden = name !== view;
    }
    for (const tab of document.querySelectorAll('.tabs [role="tab"]')) {
      tab.setAttribute('aria-selected', String(tab.getAttribute('data-view') === view));
    }
    element('calculator-button').setAttribute('aria-pressed', String(view === 'calculator'));
    if (picked) this.writeAddress();
    this.layout();
    for (const listener of this.listeners) listener();
  }

  /** The address for what is shown now. */
  writeAddress() {
    const a = this.almanac;
    const search = linkSearch({
      date: this.clock.following ? '' : a.linkDate(),
      zone: a.zoneName(),
      latitude: a.latitude(),
      longitude: a.longitude(),
      place: this.place.query,
      view: this.view,
    });
    history.replaceState(history.state, '', `${location.pathname}${search}${location.hash}`);
  }

  /**
   * Shows the lines (one each) above the views, or hides the notice when there are none.
   * @param {string[]} lines
   */
  showNotice(lines) {
    this.dom.noticeLines.replaceChildren(...lines.map((line) => {
      const div = document.createElement('div');
      div.textContent = line;
      return div;
    }));
    this.dom.notice.hidden = lines.length === 0;
    this.layout();
  }

  /** The date and time pickers, the Now button, the place line and the views' labels. */
  refreshControls() {
    const a = this.almanac;
    const { date, time } = pickerValues(a.linkDate());
    const { dateInput, timeInput } = this.dom;
    if (document.activeElement !== dateInput) dateInput.value = date;
    if (document.activeElement !== timeInput) timeInput.value = time;
    this.dom.nowButton.setAttribute('aria-pressed', String(this.clock.following));
    const line = placeLine({ name: a.placeName(), latitude: a.latitude(), longitude: a.longitude(),
      zone: a.zoneName(), source: this.place.source });
    this.dom.placeLine.textContent = line;
    this.dom.placeLine.setAttribute('aria-label', `Place: ${line}. Change the place`);
    const when = a.dateText();
    this.dom.dial.setAttribute('aria-label', `The orrery dial for ${when}, ${line}`);
    this.dom.chart.setAttribute('aria-label', `The star chart for ${when}, ${line}`);
  }

  /** Hides the date and time pickers. */
  hidePickers() {
    for (const input of [this.dom.dateInput, this.dom.timeInput]) {
      if (document.activeElement === input) input.blur();
    }
  }

  /** Opens the date picker (a double tap or double click on the dial). */
  openDatePicker() {
    const input = this.dom.dateInput;
    input.focus();
    try {
      input.showPicker();
    } catch {
      // Without the picker (no user activation, or not offered) the focused field remains.
    }
  }

  // Layout and drawing.

  /** Measures the views' boxes and redraws at their sizes. */
  layout() {
    const s = this.sizes;
    const box = this.dom.dialBox;
    s.dial = Math.floor(Math.min(box.clientWidth, box.clientHeight));
    s.timelineWidth = Math.floor(this.dom.moment.clientWidth);
    s.timelineHeight = Math.min(180, Math.max(90, Math.round(s.timelineWidth * 120 / 320)));
    s.chartWidth = Math.floor(this.dom.chartBox.clientWidth);
    s.chartHeight = Math.floor(this.dom.chartBox.clientHeight);
    s.sheetWidth = Math.max(SHEET_MIN_WIDTH, Math.floor(this.dom.sheetScreen.clientWidth));
    for (const part of ALL_PARTS) this.dirty.add(part);
    this.requestFrame();
  }

  requestFrame() {
    if (this.frame === 0) this.frame = requestAnimationFrame(() => this.render());
  }

  /**
   * Sizes a canvas for its CSS size at the device's pixel ratio and draws into it.
   * @param {HTMLCanvasElement} canvas
   * @param {number} width
   * @param {number} height
   * @param {(width: number, height: number) => void} draw
   */
  drawInto(canvas, width, height, draw) {
    const ratio = window.devicePixelRatio || 1;
    const pixelWidth = Math.max(1, Math.round(width * ratio));
    const pixelHeight = Math.max(1, Math.round(height * ratio));
    if (canvas.width !== pixelWidth) canvas.width = pixelWidth;
    if (canvas.height !== pixelHeight) canvas.height = pixelHeight;
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    this.module.quenaroUseCanvas(canvas, ratio);
    draw(width, height);
  }

  /** Draws now what changed (inside a frame the input asked for), not at the next frame. */
  renderNow() {
    if (this.frame !== 0) cancelAnimationFrame(this.frame);
    this.render();
  }

  /** Draws the parts of the visible view that changed. */
  render() {
    this.frame = 0;
    const s = this.sizes;
    const a = this.almanac;
    /** @type {Part[]} */
    const parts = this.view === 'orrery' ? ['dial', 'timeline']
      : this.view === 'sky' ? ['chart'] : this.view === 'sheet' ? ['sheet'] : [];
    for (const part of parts) {
      if (!this.dirty.has(part)) continue;
      this.dirty.delete(part);
      try {
        if (part === 'dial' && s.dial > 0) {
          this.drawInto(this.dom.dial, s.dial, s.dial, (w, h) => a.drawOrrery(w, h));
        } else if (part === 'timeline' && s.timelineWidth > 0) {
          this.drawInto(this.dom.timeline, s.timelineWidth, s.timelineHeight,
            (w, h) => a.drawTimeline(w, h, this.settings.NightMode));
        } else if (part === 'chart' && s.chartWidth > 0 && s.chartHeight > 0) {
          this.drawInto(this.dom.chart, s.chartWidth, s.chartHeight, (w, h) => a.drawChart(w, h));
        } else if (part === 'sheet' && s.sheetWidth > 0) {
          this.drawSheet();
        }
      } catch (error) {
        console.error(`Drawing the ${part} failed:`, error);
      }
    }
  }

  /** Draws the sheet's page (taller when its lines need it) and writes its text rows. */
  drawSheet() {
    const s = this.sizes;
    const a = this.almanac;
    let used = 0;
    this.drawInto(this.dom.sheet, s.sheetWidth, s.sheetHeight, (w, h) => { used = a.drawSheet(w, h); });
    const needed = Math.max(SHEET_HEIGHT, Math.ceil(used));
    if (needed !== s.sheetHeight) {
      s.sheetHeight = needed;
      this.drawInto(this.dom.sheet, s.sheetWidth, s.sheetHeight, (w, h) => a.drawSheet(w, h));
    }
    const text = a.sheetText();
    if (text === this.sheetText) return;
    this.sheetText = text;
    this.dom.sheetBody.replaceChildren(...sheetRows(text).map((cells) => {
      const row = document.createElement('tr');
      for (const cell of cells) {
        const td = document.createElement('td');
        td.textContent = cell;
        if (cells.length === 1) td.colSpan = 3;
        row.append(td);
      }
      return row;
    }));
  }

  /** Views the next render must draw again (a drag redraws the dial and the timeline). */
  /** @param {Part[]} parts */
  mark(parts) {
    for (const part of parts) this.dirty.add(part);
    this.requestFrame();
  }
}
