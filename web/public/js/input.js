// @ts-check
// Pointer input on the dial and the chart (mouse, finger and pen through Pointer Events).

import { localPoint } from './dom.js';
import { DOUBLE_TAP_PX, DoubleTap, WheelNotches, lineAngle, turnBetween } from './gestures.js';

/** @typedef {import('./app.js').App} App */

/** Seconds a wheel notch moves the moment: ten minutes, or a day with Shift. */
const NOTCH_SECONDS = 600;
const SHIFT_NOTCH_SECONDS = 86400;

/** A double click right after a double tap opened the picker is the same gesture. */
const AFTER_DOUBLE_TAP_MS = 600;

/**
 * The dial: a press holds the Sun or the ring and a drag turns the time or the date (the
 * clock waits meanwhile); a double tap or double click opens the date picker; the wheel moves
 * the moment by ten minutes a notch (a day with Shift).
 * @param {App} app
 */
export function attachDialInput(app) {
  const canvas = app.dom.dial;
  const taps = new DoubleTap();
  const wheel = new WheelNotches();
  /** @type {{id: number, x: number, y: number, moved: boolean, type: string} | undefined} */
  let press;
  /** @type {{x: number, y: number} | undefined} */
  let pending;
  let frame = 0;
  let lastType = 'mouse';
  let pickerOpenedAt = -Infinity;
  let draggedWhileFixed = false;

  const applyMove = () => {
    frame = 0;
    if (pending === undefined) return;
    const { x, y } = pending;
    pending = undefined;
    if (app.almanac.dialHeld() !== 0 && app.almanac.dialMove(x, y, app.sizes.dial)) {
      if (!app.clock.following) draggedWhileFixed = true;
      for (const part of /** @type {const} */ (['dial', 'timeline', 'chart', 'sheet'])) {
        app.dirty.add(part);
      }
      app.refreshControls();
      app.renderNow();
    }
  };

  canvas.addEventListener('pointerdown', (event) => {
    lastType = event.pointerType;
    if (press !== undefined || (event.pointerType === 'mouse' && event.button !== 0)) return;
    event.preventDefault();
    app.hidePickers();
    const { x, y } = localPoint(event, canvas);
    press = { id: event.pointerId, x, y, moved: false, type: event.pointerType };
    canvas.setPointerCapture(event.pointerId);
    app.almanac.dialPress(x, y, app.sizes.dial);
  });

  canvas.addEventListener('pointermove', (event) => {
    if (press === undefined || event.pointerId !== press.id) return;
    const point = localPoint(event, canvas);
    if (Math.hypot(point.x - press.x, point.y - press.y) > DOUBLE_TAP_PX) press.moved = true;
    pending = point;
    if (frame === 0) frame = requestAnimationFrame(applyMove);
  });

  /** @param {PointerEvent} event @param {boolean} cancelled */
  const release = (event, cancelled) => {
    if (press === undefined || event.pointerId !== press.id) return;
    if (frame !== 0) cancelAnimationFrame(frame);
    if (!cancelled) {
      pending = localPoint(event, canvas);
      applyMove();
    }
    pending = undefined;
    const { x, y, moved, type } = press;
    press = undefined;
    app.almanac.dialRelease();
    if (canvas.hasPointerCapture(event.pointerId)) canvas.releasePointerCapture(event.pointerId);
    if (draggedWhileFixed) {
      draggedWhileFixed = false;
      app.writeAddress();
    }
    if (!cancelled && !moved && type !== 'mouse' && taps.tap(x, y, event.timeStamp)) {
      pickerOpenedAt = event.timeStamp;
      app.openDatePicker();
    }
  };
  canvas.addEventListener('pointerup', (event) => release(event, false));
  canvas.addEventListener('pointercancel', (event) => release(event, true));

  canvas.addEventListener('dblclick', (event) => {
    if (lastType !== 'mouse' && event.timeStamp - pickerOpenedAt < AFTER_DOUBLE_TAP_MS) return;
    app.openDatePicker();
  });

  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    if (app.almanac.dialHeld() !== 0) return;
    // Some systems turn a vertical wheel with Shift held into a horizontal one.
    const delta = event.deltaY !== 0 ? event.deltaY : event.deltaX;
    const notches = wheel.turn(delta, event.deltaMode);
    if (notches !== 0) app.moveBy(notches * (event.shiftKey ? SHIFT_NOTCH_SECONDS : NOTCH_SECONDS));
  }, { passive: false });

  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
}

/**
 * The chart: two fingers turn it by the turn of the line through them; with the mouse a
 * right drag or a Ctrl+drag turns it by the change of the angle about its centre; a single
 * finger's double tap, or a double click, switches its scale.
 * @param {App} app
 */
export function attachChartInput(app) {
  const canvas = app.dom.chart;
  /** @type {Map<number, {x: number, y: number, type: string}>} */
  const pointers = new Map();
  /** The angle the turn was last measured at, while a turn is in progress. */
  /** @type {number | undefined} */
  let turnAngle;
  /** The mouse pointer turning the chart (right button or Ctrl), if any. */
  /** @type {number | undefined} */
  let mouseTurner;
  /** A single finger that may make a tap. */
  /** @type {{id: number, x: number, y: number} | undefined} */
  let tap;
  /** Whether the present gesture turned the chart (no tap then). */
  let turned = false;
  let frame = 0;
  let lastType = 'mouse';

  const redraw = () => {
    if (frame === 0) {
      frame = requestAnimationFrame(() => {
        frame = 0;
        app.dirty.add('chart');
        app.renderNow();
      });
    }
  };

  const fingers = () => [...pointers.values()].filter((p) => p.type !== 'mouse');

  const startTurn = () => {
    app.almanac.setChartTurning(true);
    turned = true;
    tap = undefined;
  };

  const endTurn = () => {
    turnAngle = undefined;
    mouseTurner = undefined;
    app.almanac.setChartTurning(false);
    app.mark(['chart']);
  };

  canvas.addEventListener('pointerdown', (event) => {
    lastType = event.pointerType;
    event.preventDefault();
    app.hidePickers();
    const point = localPoint(event, canvas);
    canvas.setPointerCapture(event.pointerId);
    if (event.pointerType === 'mouse') {
      if (event.button === 2 || (event.button === 0 && event.ctrlKey)) {
        mouseTurner = event.pointerId;
        pointers.set(event.pointerId, { ...point, type: 'mouse' });
        turnAngle = app.almanac.chartAngleAt(point.x, point.y, app.sizes.chartWidth,
          app.sizes.chartHeight);
        startTurn();
      }
      return;
    }
    pointers.set(event.pointerId, { ...point, type: event.pointerType });
    const down = fingers();
    if (down.length === 1) {
      turned = false;
      tap = { id: event.pointerId, ...point };
    } else if (down.length === 2) {
      turnAngle = lineAngle(down[0], down[1]);
      startTurn();
    }
  });

  canvas.addEventListener('pointermove', (event) => {
    const known = pointers.get(event.pointerId);
    if (known === undefined) return;
    const point = localPoint(event, canvas);
    known.x = point.x;
    known.y = point.y;
    if (tap !== undefined && tap.id === event.pointerId &&
        Math.hypot(point.x - tap.x, point.y - tap.y) > DOUBLE_TAP_PX) {
      tap = undefined;
    }
    if (turnAngle === undefined) return;
    let angle;
    if (mouseTurner === event.pointerId) {
      angle = app.almanac.chartAngleAt(point.x, point.y, app.sizes.chartWidth, app.sizes.chartHeight);
    } else {
      const down = fingers();
      if (down.length < 2) return;
      angle = lineAngle(down[0], down[1]);
    }
    const turn = turnBetween(turnAngle, angle);
    turnAngle = angle;
    if (turn !== 0) {
      app.almanac.chartTurn(turn);
      redraw();
    }
  });

  /** @param {PointerEvent} event @param {boolean} cancelled */
  const release = (event, cancelled) => {
    if (!pointers.has(event.pointerId)) return;
    pointers.delete(event.pointerId);
    if (canvas.hasPointerCapture(event.pointerId)) canvas.releasePointerCapture(event.pointerId);
    if (mouseTurner === event.pointerId || (mouseTurner === undefined && turnAngle !== undefined &&
        fingers().length < 2)) {
      endTurn();
    }
    if (!cancelled && tap !== undefined && tap.id === event.pointerId && !turned) {
      const { x, y } = localPoint(event, canvas);
      if (app.almanac.chartTap(x, y, event.timeStamp, 400)) app.mark(['chart']);
    }
    if (tap !== undefined && tap.id === event.pointerId) tap = undefined;
  };
  canvas.addEventListener('pointerup', (event) => release(event, false));
  canvas.addEventListener('pointercancel', (event) => release(event, true));

  canvas.addEventListener('dblclick', () => {
    if (lastType !== 'mouse') return;
    app.almanac.switchChartScale();
    app.mark(['chart']);
  });

  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
}
