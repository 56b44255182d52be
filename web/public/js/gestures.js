// @ts-check
// The small arithmetic of the views' gestures: double taps, the turn of two fingers, and
// wheel turns counted in notches.

/** Two taps within this many milliseconds and CSS pixels make a double tap. */
export const DOUBLE_TAP_MS = 400;
export const DOUBLE_TAP_PX = 24;

/** Counts taps into double taps. */
export class DoubleTap {
  constructor(intervalMs = DOUBLE_TAP_MS, distancePx = DOUBLE_TAP_PX) {
    this.intervalMs = intervalMs;
    this.distancePx = distancePx;
    /** @type {{x: number, y: number, t: number} | undefined} */
    this.last = undefined;
  }

  /**
   * A tap at (x, y) at time t (ms): true when it completes a double tap (the next tap then
   * starts afresh).
   * @param {number} x
   * @param {number} y
   * @param {number} t
   */
  tap(x, y, t) {
    const last = this.last;
    if (last !== undefined && t - last.t >= 0 && t - last.t <= this.intervalMs &&
        Math.hypot(x - last.x, y - last.y) <= this.distancePx) {
      this.last = undefined;
      return true;
    }
    this.last = { x, y, t };
    return false;
  }
}

/**
 * The angle of the line from a to b on screen (y down: clockwise is positive), radians.
 * @param {{x: number, y: number}} a
 * @param {{x: number, y: number}} b
 */
export function lineAngle(a, b) {
  return Math.atan2(b.y - a.y, b.x - a.x);
}

/**
 * The turn from angle `from` to angle `to` the short way round, in (-π, π].
 * @param {number} from
 * @param {number} to
 */
export function turnBetween(from, to) {
  let turn = (to - from) % (2 * Math.PI);
  if (turn <= -Math.PI) turn += 2 * Math.PI;
  if (turn > Math.PI) turn -= 2 * Math.PI;
  return turn;
}

/** Wheel movement per notch for each of WheelEvent's delta modes (pixel, line, page). */
const PER_NOTCH = [100, 3, 1];

/** Wheel turns counted into whole notches; the part not yet worth a notch is kept. */
export class WheelNotches {
  constructor() {
    this.pending = 0;
  }

  /**
   * Adds a wheel movement (deltaY, or deltaX when a modifier made the wheel horizontal) and
   * returns the whole notches completed: positive when turned away from the user (later).
   * @param {number} delta
   * @param {number} deltaMode
   */
  turn(delta, deltaMode) {
    if (!Number.isFinite(delta)) return 0;
    this.pending += -delta / (PER_NOTCH[deltaMode] ?? PER_NOTCH[0]);
    const notches = Math.trunc(this.pending);
    this.pending -= notches;
    return notches;
  }
}
