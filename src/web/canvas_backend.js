// The canvas backend's script side: the calls WebCanvas makes, on the 2D context of the
// canvas the page chose with Module.quenaroUseCanvas(canvas, devicePixelRatio). Layers are
// kept as pictures in offscreen canvases at device resolution, as the desktop keeps them in
// images; named pictures come from the files Module.quenaroLoadPictures fetched.

mergeInto(LibraryManager.library, {
  $QuenaroCanvas: {
    /** The context drawn on, and those of the layers being drawn, innermost last. */
    stack: [],
    ctx: null,
    ratio: 1,
    width: 0,
    height: 0,
    /** Kept layer pictures by name (made at the first drawing: a library's values are written
     * into the module as text, which a Map does not survive). */
    layers: null,
    pending: [],
    colour: function (r, g, b, a) {
      return 'rgba(' + Math.round(r * 255) + ',' + Math.round(g * 255) + ',' +
        Math.round(b * 255) + ',' + a + ')';
    },
    gradientStops: function (gradient, pointer, count) {
      var base = pointer >> 3;
      for (var i = 0; i < count; ++i) {
        var at = base + i * 5;
        gradient.addColorStop(Math.min(1, Math.max(0, HEAPF64[at])),
          QuenaroCanvas.colour(HEAPF64[at + 1], HEAPF64[at + 2], HEAPF64[at + 3], HEAPF64[at + 4]));
      }
      return gradient;
    },
    caps: ['butt', 'round', 'square'],
    font: function (bold) {
      return (bold ? 'bold ' : '') + "12px 'DejaVu Sans'";
    },
    measurer: null,
    measureContext: function () {
      if (QuenaroCanvas.measurer === null) {
        var canvas = typeof OffscreenCanvas !== 'undefined' ? new OffscreenCanvas(1, 1)
          : document.createElement('canvas');
        QuenaroCanvas.measurer = canvas.getContext('2d');
      }
      return QuenaroCanvas.measurer;
    },
    newCanvas: function (width, height) {
      if (typeof OffscreenCanvas !== 'undefined') {
        return new OffscreenCanvas(width, height);
      }
      var canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      return canvas;
    },
  },

  quenaro_canvas_begin__deps: ['$QuenaroCanvas'],
  quenaro_canvas_begin: function (width, height) {
    var state = QuenaroCanvas;
    state.ctx = Module.quenaroCanvas.getContext('2d');
    state.ratio = Module.quenaroRatio || 1;
    state.width = width;
    state.height = height;
    state.stack = [];
    if (state.layers === null) state.layers = new Map();
    state.ctx.save();
    state.ctx.setTransform(state.ratio, 0, 0, state.ratio, 0, 0);
  },
  quenaro_canvas_save__deps: ['$QuenaroCanvas'],
  quenaro_canvas_save: function () { QuenaroCanvas.ctx.save(); },
  quenaro_canvas_restore__deps: ['$QuenaroCanvas'],
  quenaro_canvas_restore: function () { QuenaroCanvas.ctx.restore(); },
  quenaro_canvas_transform__deps: ['$QuenaroCanvas'],
  quenaro_canvas_transform: function (m11, m12, m21, m22, dx, dy) {
    QuenaroCanvas.ctx.transform(m11, m12, m21, m22, dx, dy);
  },
  quenaro_canvas_begin_path__deps: ['$QuenaroCanvas'],
  quenaro_canvas_begin_path: function () { QuenaroCanvas.ctx.beginPath(); },
  quenaro_canvas_move_to__deps: ['$QuenaroCanvas'],
  quenaro_canvas_move_to: function (x, y) { QuenaroCanvas.ctx.moveTo(x, y); },
  quenaro_canvas_line_to__deps: ['$QuenaroCanvas'],
  quenaro_canvas_line_to: function (x, y) { QuenaroCanvas.ctx.lineTo(x, y); },
  quenaro_canvas_quad_to__deps: ['$QuenaroCanvas'],
  quenaro_canvas_quad_to: function (cx, cy, x, y) { QuenaroCanvas.ctx.quadraticCurveTo(cx, cy, x, y); },
  quenaro_canvas_cubic_to__deps: ['$QuenaroCanvas'],
  quenaro_canvas_cubic_to: function (c1x, c1y, c2x, c2y, x, y) {
    QuenaroCanvas.ctx.bezierCurveTo(c1x, c1y, c2x, c2y, x, y);
  },
  quenaro_canvas_ellipse__deps: ['$QuenaroCanvas'],
  quenaro_canvas_ellipse: function (cx, cy, rx, ry, start, end, anticlockwise) {
    QuenaroCanvas.ctx.ellipse(cx, cy, Math.max(0, rx), Math.max(0, ry), 0, start, end, anticlockwise !== 0);
  },
  quenaro_canvas_close_path__deps: ['$QuenaroCanvas'],
  quenaro_canvas_close_path: function () { QuenaroCanvas.ctx.closePath(); },
  quenaro_canvas_fill_colour__deps: ['$QuenaroCanvas'],
  quenaro_canvas_fill_colour: function (r, g, b, a, evenOdd) {
    var ctx = QuenaroCanvas.ctx;
    ctx.fillStyle = QuenaroCanvas.colour(r, g, b, a);
    ctx.fill(evenOdd ? 'evenodd' : 'nonzero');
  },
  quenaro_canvas_fill_linear__deps: ['$QuenaroCanvas'],
  quenaro_canvas_fill_linear: function (x0, y0, x1, y1, stops, count, evenOdd) {
    var ctx = QuenaroCanvas.ctx;
    ctx.fillStyle = QuenaroCanvas.gradientStops(ctx.createLinearGradient(x0, y0, x1, y1), stops, count);
    ctx.fill(evenOdd ? 'evenodd' : 'nonzero');
  },
  quenaro_canvas_fill_radial__deps: ['$QuenaroCanvas'],
  quenaro_canvas_fill_radial: function (fx, fy, fr, cx, cy, r, stops, count, evenOdd) {
    var ctx = QuenaroCanvas.ctx;
    ctx.fillStyle = QuenaroCanvas.gradientStops(
      ctx.createRadialGradient(fx, fy, Math.max(0, fr), cx, cy, Math.max(0, r)), stops, count);
    ctx.fill(evenOdd ? 'evenodd' : 'nonzero');
  },
  quenaro_canvas_stroke__deps: ['$QuenaroCanvas'],
  quenaro_canvas_stroke: function (r, g, b, a, width, cap, dash, dashCount) {
    var ctx = QuenaroCanvas.ctx;
    var pattern = [];
    for (var i = 0; i < dashCount; ++i) pattern.push(HEAPF64[(dash >> 3) + i]);
    ctx.setLineDash(pattern);
    ctx.strokeStyle = QuenaroCanvas.colour(r, g, b, a);
    ctx.lineWidth = width;
    ctx.lineCap = QuenaroCanvas.caps[cap];
    ctx.stroke();
    ctx.setLineDash([]);
  },
  quenaro_canvas_lines__deps: ['$QuenaroCanvas'],
  quenaro_canvas_lines: function (ends, count, r, g, b, a, width, cap) {
    var ctx = QuenaroCanvas.ctx;
    var base = ends >> 3;
    ctx.beginPath();
    for (var i = 0; i < count; ++i) {
      var at = base + i * 4;
      ctx.moveTo(HEAPF64[at], HEAPF64[at + 1]);
      ctx.lineTo(HEAPF64[at + 2], HEAPF64[at + 3]);
    }
    ctx.strokeStyle = QuenaroCanvas.colour(r, g, b, a);
    ctx.lineWidth = width;
    ctx.lineCap = QuenaroCanvas.caps[cap];
    ctx.stroke();
  },
  quenaro_canvas_discs__deps: ['$QuenaroCanvas'],
  quenaro_canvas_discs: function (discs, count) {
    var ctx = QuenaroCanvas.ctx;
    var base = discs >> 3;
    var style = '';
    for (var i = 0; i < count; ++i) {
      var at = base + i * 7;
      var colour = QuenaroCanvas.colour(HEAPF64[at + 3], HEAPF64[at + 4], HEAPF64[at + 5], HEAPF64[at + 6]);
      if (colour !== style) {
        if (i > 0) ctx.fill();
        ctx.beginPath();
        ctx.fillStyle = colour;
        style = colour;
      }
      var radius = HEAPF64[at + 2] / 2;
      ctx.moveTo(HEAPF64[at] + radius, HEAPF64[at + 1]);
      ctx.arc(HEAPF64[at], HEAPF64[at + 1], radius, 0, 2 * Math.PI);
    }
    if (count > 0) ctx.fill();
  },
  quenaro_canvas_text__deps: ['$QuenaroCanvas'],
  quenaro_canvas_text: function (text, length, bold, x, y, align, r, g, b, a) {
    var ctx = QuenaroCanvas.ctx;
    ctx.font = QuenaroCanvas.font(bold);
    ctx.textAlign = ['left', 'center', 'right'][align];
    ctx.textBaseline = 'alphabetic';
    ctx.fillStyle = QuenaroCanvas.colour(r, g, b, a);
    ctx.fillText(UTF8ToString(text, length), x, y);
  },
  quenaro_canvas_picture__deps: ['$QuenaroCanvas'],
  quenaro_canvas_picture: function (name, length, x, y, width, height) {
    var pictures = Module.quenaroPictures;
    if (!pictures) return;
    var file = UTF8ToString(name, length);
    var picture = QuenaroCanvas.ratio > 1 && pictures.has(file.replace('.png', '@2x.png'))
      ? pictures.get(file.replace('.png', '@2x.png')) : pictures.get(file);
    if (picture) QuenaroCanvas.ctx.drawImage(picture, x, y, width, height);
  },
  quenaro_canvas_clip__deps: ['$QuenaroCanvas'],
  quenaro_canvas_clip: function (evenOdd) { QuenaroCanvas.ctx.clip(evenOdd ? 'evenodd' : 'nonzero'); },

  // A layer: laid on from its kept picture when that may be (returns 1), else the context
  // switches to a new picture for the content (returns 0) until quenaro_canvas_layer_end.
  quenaro_canvas_layer_begin__deps: ['$QuenaroCanvas'],
  quenaro_canvas_layer_begin: function (name, length, version, originX, originY, turn, reach,
                                        turning, replaces) {
    var state = QuenaroCanvas;
    var ratio = state.ratio;
    var key = UTF8ToString(name, length);
    var area = reach > 0
      ? { x: originX - reach, y: originY - reach, width: 2 * reach, height: 2 * reach }
      : { x: 0, y: 0, width: state.width, height: state.height };
    var kept = state.layers.get(key);
    var same = kept && kept.version === version && kept.ratio === ratio &&
      kept.viewWidth === state.width && kept.viewHeight === state.height &&
      kept.originX === originX && kept.originY === originY && kept.reach === reach;
    var ctx = state.ctx;
    if (same && (kept.turn === turn || turning)) {
      ctx.save();
      if (replaces) ctx.clearRect(area.x, area.y, area.width, area.height);
      if (kept.turn !== turn) {
        // Turned while a finger holds the chart: the nearest pixel rather than a blend of
        // four, as the desktop lays its turned picture on; the layer is drawn anew, smooth,
        // when the turn ends.
        ctx.imageSmoothingEnabled = false;
        ctx.translate(originX, originY);
        ctx.rotate((turn - kept.turn) * Math.PI / 180);
        ctx.translate(-originX, -originY);
      }
      ctx.drawImage(kept.canvas, kept.left / ratio, kept.top / ratio,
        kept.canvas.width / ratio, kept.canvas.height / ratio);
      ctx.restore();
      return 1;
    }
    var left = Math.floor(area.x * ratio);
    var top = Math.floor(area.y * ratio);
    var width = Math.max(1, Math.ceil((area.x + area.width) * ratio) - left);
    var height = Math.max(1, Math.ceil((area.y + area.height) * ratio) - top);
    var picture = state.newCanvas(width, height);
    var pictureContext = picture.getContext('2d');
    pictureContext.setTransform(ratio, 0, 0, ratio, -left, -top);
    pictureContext.translate(originX, originY);
    pictureContext.rotate(turn * Math.PI / 180);
    state.stack.push(ctx);
    state.ctx = pictureContext;
    state.pending.push({
      key: key, version: version, ratio: ratio, viewWidth: state.width, viewHeight: state.height,
      originX: originX, originY: originY, reach: reach, turn: turn, canvas: picture,
      left: left, top: top, replaces: replaces !== 0, area: area,
    });
    return 0;
  },
  quenaro_canvas_layer_end__deps: ['$QuenaroCanvas'],
  quenaro_canvas_layer_end: function () {
    var state = QuenaroCanvas;
    var layer = state.pending.pop();
    state.ctx = state.stack.pop();
    state.layers.set(layer.key, layer);
    var ctx = state.ctx;
    ctx.save();
    if (layer.replaces) ctx.clearRect(layer.area.x, layer.area.y, layer.area.width, layer.area.height);
    ctx.drawImage(layer.canvas, layer.left / layer.ratio, layer.top / layer.ratio,
      layer.canvas.width / layer.ratio, layer.canvas.height / layer.ratio);
    ctx.restore();
  },

  quenaro_text_advance__deps: ['$QuenaroCanvas'],
  quenaro_text_advance: function (bold, text, length) {
    var ctx = QuenaroCanvas.measureContext();
    ctx.font = QuenaroCanvas.font(bold);
    return ctx.measureText(UTF8ToString(text, length)).width;
  },
  quenaro_font_measures__deps: ['$QuenaroCanvas'],
  quenaro_font_measures: function (bold, out) {
    var ctx = QuenaroCanvas.measureContext();
    ctx.font = QuenaroCanvas.font(bold);
    var line = ctx.measureText('Hg');
    var capital = ctx.measureText('H');
    var base = out >> 3;
    var ascent = line.fontBoundingBoxAscent !== undefined ? line.fontBoundingBoxAscent : 11.1;
    var descent = line.fontBoundingBoxDescent !== undefined ? line.fontBoundingBoxDescent : 2.8;
    HEAPF64[base] = ascent;
    HEAPF64[base + 1] = descent;
    HEAPF64[base + 2] = capital.actualBoundingBoxAscent;
    HEAPF64[base + 3] = ascent + descent;
  },
});
