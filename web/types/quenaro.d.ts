// The WebAssembly module's interface as the page uses it: the class `Almanac` bound from
// src/web/WebAlmanac.h (same method names), and the module's own functions.

/** One almanac: the model, its place and zone, the views' settings and input state. */
export interface Almanac {
  setNow(): void;
  instant(): number;
  setInstant(seconds: number): boolean;

  latitude(): number;
  longitude(): number;
  placeName(): string;
  setPlace(latitude: number, longitude: number, name: string): boolean;
  zoneName(): string;
  setZone(ianaName: string): boolean;
  /** The device's zone, where the binding gives it to instances. */
  deviceZone?(): string;

  applyLink(date: string, tz: string, lat: string, lon: string, place: string): string;
  linkDate(): string;

  dateText(): string;
  sheetText(): string;

  setChartSettings(altAz: boolean, circles: boolean, ecliptic: boolean, raDec: boolean,
                   lines: boolean, minimumMagnitude: number): void;
  setAudience(audience: number): void;
  setMetric(metric: boolean): void;
  /** The bodies from the precise source (true) or the almanac's series. */
  setPrecise(precise: boolean): void;
  precise(): boolean;

  drawOrrery(width: number, height: number): void;
  drawTimeline(width: number, height: number, night: boolean): void;
  drawChart(width: number, height: number): void;
  drawSheet(width: number, height: number): number;

  dialPress(x: number, y: number, width: number): number;
  dialMove(x: number, y: number, width: number): boolean;
  dialRelease(): void;
  dialHeld(): number;

  chartAngleAt(x: number, y: number, width: number, height: number): number;
  chartTurn(radians: number): void;
  setChartTurning(turning: boolean): void;
  chartTap(x: number, y: number, milliseconds: number, intervalMilliseconds: number): boolean;
  switchChartScale(): void;
  chartEnlarged(): boolean;
  chartRotation(): number;

  calculatorKey(tag: number): void;
  calculatorMode(): number;
  calculatorEntry(): string;
  calculatorTable(): string;
  calculatorLabels(): string;
  calculatorSignTitles(): string;

  /** Frees the C++ object (embind). */
  delete(): void;
}

/** The class as bound: its constructor and static functions. */
export interface AlmanacClass {
  new (): Almanac;
  searchPlaces(query: string, limit: number): string;
  deviceZone?(): string;
  zoneAt(latitude: number, longitude: number): string;
}

/** The module the factory resolves to. */
export interface QuenaroModule {
  Almanac: AlmanacClass;
  /** Chooses the canvas the next drawing goes to, at the device pixel ratio. */
  quenaroUseCanvas(canvas: HTMLCanvasElement, devicePixelRatio: number): void;
  /** Fetches and decodes the sign and planet pictures from the folder (a URL ending in "/"). */
  quenaroLoadPictures(base: string): Promise<void>;
}

/** The module's factory (`createQuenaro`), the default export of quenaro.js. */
export type QuenaroFactory = (options?: object) => Promise<QuenaroModule>;

/** One place of the gazetteer as searchPlaces lists it. */
export interface GazetteerPlace {
  name: string;
  label: string;
  latitude: number;
  longitude: number;
  zone: string;
  population: number;
}
