#pragma once

class QLineEdit;
class QString;

namespace kirvano {

// The character limit of the dialog's text boxes on a QLineEdit. It holds
// for typing and for text the program puts in, but a text the box already
// holds stays whole when the limit is set or lowered, and may shrink but not
// grow; a paste is cut where typing would have stopped. 0 means no limit.
// Characters above 0xFF are refused whatever the limit: the settings file
// stores one byte per character.
void setTextLimit(QLineEdit *edit, int limit);

// Puts a text into the box as the program does: cut to the box's limit.
void putText(QLineEdit *edit, const QString &text);

} // namespace kirvano
