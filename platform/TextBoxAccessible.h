#pragma once

namespace textbox {

// Gives every single-line text box an accessible text that a screen reader
// reads whole, and that dictation, voice control and magnifiers can edit and
// follow. Qt's own (6.4, and still 6.8 and 6.11) says that no character has
// text attributes by an empty run at each offset, and Orca ends the text it
// speaks at the last run's end: the last character of a box (the "p" of an
// address's ".zip") was never heard. No Qt yet needs it gone.
void installAccessibleText();

} // namespace textbox
