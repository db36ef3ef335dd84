// The standard confirmation dialog: caption "Bestätigung", question icon,
// "&Ja" (default) and "&Nein" (Escape), centred on the screen and modal for
// the whole application. The letters J and N answer it without Alt.
#pragma once

class QString;

namespace formkit {

// True only when the user answered "&Ja"; "&Nein", Escape and the dialog's
// own close box all answer no.
bool confirm(const QString &message);

// Lets a test stand in for the dialog, for instance to raise an error in it;
// nullptr brings the dialog back.
void replaceConfirmationForTesting(bool (*confirmation)(const QString &message));

} // namespace formkit
