#pragma once

#include <QChar>
#include <QString>

namespace fw {

// Qt 6.4 puts character boundaries, and with them caret positions, between the two UTF-16
// halves of a character from outside the Basic Multilingual Plane (an emoji) wherever one of
// some 1,600 letters (Devanagari to Sinhala, Thai, Tibetan, Myanmar, Khmer) stands in the
// text. Those are no boundaries: a cut, a deletion or an insertion there leaves half a
// character, which reads back as "?".
bool InsideSurrogatePair(QChar before, QChar after);
bool InsideSurrogatePair(const QString& text, qsizetype at);

// Where a caret that Qt moved from `from` to `to`, inside a pair, stands instead: past the
// whole character, on in the direction it moved; before it when it did not move.
qsizetype PastSurrogatePair(qsizetype from, qsizetype to);

}  // namespace fw
