#pragma once
// Small helpers the ticket form uses on its controls.

#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QString>

namespace tickets {

// Makes a selected option unselected; the other options of its frame stay as they are.
void unselect(QRadioButton *option);

// The text of a multi-line box with its lines separated by CR LF, and back.
QString boxText(const QPlainTextEdit *box);
void setBoxText(QPlainTextEdit *box, const QString &text);

// The signature box's picture until a signature is shown: the word Signature in light
// grey italics on white, 370 x 80 pixels.
QPixmap placeholderSignature();

} // namespace tickets
