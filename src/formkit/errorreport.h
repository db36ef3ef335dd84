// Errors raised inside an event handler end up here: a message box captioned
// with the application title, after which the program goes on. Qt itself
// would terminate the process if an exception left a slot or event handler.
#pragma once

#include <QString>

#include <exception>

namespace formkit {

// The message as the box shows it: a full stop is appended unless the text
// already ends in a character whose code is not above that of '.'.
QString withFullStop(const QString &message);

// Shows the error box (caption: the application name, error icon, OK) and
// returns when the user has closed it.
void reportError(const QString &message);

// Runs one event handler; an exception it raises is reported, not rethrown.
// Whatever the handler changed before the error stays changed. Answers
// whether the handler ran to its end.
template <typename Body>
bool guarded(Body &&body) noexcept
{
    try {
        body();
        return true;
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

} // namespace formkit
