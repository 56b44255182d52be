// @ts-check
// The clock the model follows: a tick at each change of the minute while the page is shown,
// skipped while the user holds the dial (a drag scrubs; the next tick after it returns the
// model to now), none once the user has picked a moment, until Now.

/**
 * @typedef {object} ClockHooks
 * @property {() => number} now milliseconds since 1970 (Date.now)
 * @property {(callback: () => void, ms: number) => unknown} setTimer
 * @property {(timer: unknown) => void} clearTimer
 * @property {() => boolean} held whether the user holds the dial now
 * @property {() => void} tick moves the model to the present and shows it
 */

/** Milliseconds after the minute's change at which the tick is asked for. */
const SLACK_MS = 25;

export class MinuteClock {
  /** @param {ClockHooks} hooks */
  constructor(hooks) {
    this.hooks = hooks;
    /** Whether the model follows the clock (false once the user picked a moment). */
    this.following = true;
    /** @type {unknown} */
    this.timer = undefined;
    this.running = false;
    this.lastMinute = Math.floor(hooks.now() / 60000);
  }

  /** Starts ticking (the page is shown). */
  start() {
    this.running = true;
    this.lastMinute = Math.floor(this.hooks.now() / 60000);
    this.schedule();
  }

  /** Stops ticking (the page is hidden). */
  stop() {
    this.running = false;
    if (this.timer !== undefined) this.hooks.clearTimer(this.timer);
    this.timer = undefined;
  }

  /**
   * The page was hidden or shown again: stops, or catches up at once and ticks on.
   * @param {boolean} visible
   */
  setVisible(visible) {
    if (!visible) {
      this.stop();
      return;
    }
    if (this.running) return;
    if (this.following && !this.hooks.held()) this.hooks.tick();
    this.start();
  }

  /** The user picked a moment: the model stays there until Now. */
  fix() {
    this.following = false;
  }

  /** Now: the model follows the clock again, from this moment. */
  follow() {
    this.following = true;
    this.lastMinute = Math.floor(this.hooks.now() / 60000);
    this.hooks.tick();
  }

  /** @private */
  schedule() {
    if (this.timer !== undefined) this.hooks.clearTimer(this.timer);
    const now = this.hooks.now();
    const wait = 60000 - (now % 60000) + SLACK_MS;
    this.timer = this.hooks.setTimer(() => this.fire(), wait);
  }

  /** @private */
  fire() {
    this.timer = undefined;
    if (!this.running) return;
    const minute = Math.floor(this.hooks.now() / 60000);
    if (minute !== this.lastMinute) {
      this.lastMinute = minute;
      if (this.following && !this.hooks.held()) this.hooks.tick();
    }
    this.schedule();
  }
}
