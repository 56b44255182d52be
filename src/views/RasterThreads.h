#pragma once

namespace quenaro {

/// Keeps Qt's raster engine to one worker thread. The engine hands the spans of a large fill
/// (a view's background, its sky, a kept picture laid on) to the global thread pool in
/// segments and waits for them; on a two-core machine, measured on a drag of the orrery
/// screen, waking several workers per fill cost more than the parallel work saved (median
/// and worst step both higher), so one worker takes the segments in turn. The application
/// itself runs on the main thread only. Call once after the Qt application object is made.
void limitRasterWorkerThreads();

}  // namespace quenaro
