#pragma once

#include <QString>
#include <QValidator>

namespace fw {

// Holds a field to a number of characters as the user sees them (grapheme clusters): "e" with
// a combining accent is one character, and so is one from outside the Basic Multilingual
// Plane, which a QString stores as two UTF-16 units. QLineEdit's own limit counts the units:
// it kept half of such a character, and could part an accent from its letter.
//
// Like QLineEdit's limit, it cuts what does not fit from the end of the text just inserted,
// typed, pasted, dropped or committed by an input method alike, never from the text that was
// there before. It tells the inserted text by comparing the new text with the last one it
// accepted, and by the cursor after it.
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(int maximum, const QString& current, QObject* parent);

  State validate(QString& text, int& cursor) const override;
  // The first characters of the text, as many as the limit allows.
  QString Leading(const QString& text) const;

 private:
  int maximum_;
  // QValidator's validate is const, but each text it accepts is the next one's reference.
  mutable QString accepted_;
};

int CharacterCount(const QString& text);

}  // namespace fw
