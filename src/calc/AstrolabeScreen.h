#pragma once

class QWidget;

namespace quenaro {

class AstrolabeCalc;
class Ephemeris;

/// The calculator's part of the interface description: lays out the screen (the six mode
/// buttons with their value labels, the sign keys, the keypad, the table's placeholder) and
/// the editor sheet with the blank sight view, connects them to a new AstrolabeCalc on the
/// model and sets it up. The controller and the editor are children of the screen; the model
/// must outlive them.
AstrolabeCalc* buildAstrolabeScreen(Ephemeris& model, QWidget* screen);

}  // namespace quenaro
