#include "framework/ui/CharacterLimit.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <iterator>
#include <vector>

namespace fw {
namespace {

// Where each character of a text begins, in UTF-16 units, followed by the text's end.
using Boundaries = std::vector<qsizetype>;

Boundaries CharacterBoundaries(const QString& text) {
  Boundaries boundaries{0};
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype next = finder.toNextBoundary(); next != -1; next = finder.toNextBoundary()) {
    boundaries.push_back(next);
  }
  return boundaries;
}

int Count(const Boundaries& boundaries) {
  return static_cast<int>(boundaries.size()) - 1;
}

// Units [begin, end) of a text.
struct Span {
  qsizetype begin;
  qsizetype end;
};

// What the new text has in place of the old one's middle, widened to whole characters of the
// new text: the two share everything before and everything after it. QLineEdit leaves its
// cursor after what it inserted, which tells where that ends when the inserted text repeats
// the old one's characters next to it.
Span InsertedSpan(const QString& old, const QString& text, qsizetype cursor,
                  const Boundaries& boundaries) {
  const qsizetype shorter = std::min(old.size(), text.size());
  const qsizetype sameEnd =
      std::mismatch(old.crbegin(), old.crbegin() + shorter, text.crbegin()).first - old.crbegin();
  const qsizetype end = std::min(std::max(text.size() - sameEnd, cursor), text.size());
  const qsizetype startLength = std::min(end, old.size() - (text.size() - end));
  const qsizetype sameStart =
      std::mismatch(old.cbegin(), old.cbegin() + startLength, text.cbegin()).first - old.cbegin();
  return {*std::prev(std::upper_bound(boundaries.begin(), boundaries.end(), sameStart)),
          *std::lower_bound(boundaries.begin(), boundaries.end(), end)};
}

// Where the inserted text is cut: after as many of its characters as fit with the rest.
qsizetype KeptEnd(const QString& text, Span inserted, const Boundaries& boundaries, int maximum) {
  // Each possible cut, after none of the inserted characters, after one, and so on.
  Boundaries cuts{inserted.begin};
  const auto firstEnd = std::upper_bound(boundaries.begin(), boundaries.end(), inserted.begin);
  cuts.insert(cuts.end(), firstEnd, std::upper_bound(firstEnd, boundaries.end(), inserted.end));
  const QString rest = text.mid(inserted.end);
  const auto charactersWith = [&](int kept) {
    return CharacterCount(text.left(cuts[kept]) + rest);
  };
  int kept = std::clamp(maximum - charactersWith(0), 0, static_cast<int>(cuts.size()) - 1);
  // Characters can pair up differently across the cut (a flag is a pair of regional
  // indicators), so the kept text is counted again.
  while (kept > 0 && charactersWith(kept) > maximum) {
    --kept;
  }
  return cuts[kept];
}

}  // namespace

CharacterLimit::CharacterLimit(int maximum, const QString& current, QObject* parent)
    : QValidator(parent), maximum_(maximum), accepted_(current) {}

QValidator::State CharacterLimit::validate(QString& text, int& cursor) const {
  const Boundaries boundaries = CharacterBoundaries(text);
  // A text accepted before stays so, even over a limit made smaller since.
  if (text == accepted_ || Count(boundaries) <= maximum_) {
    accepted_ = text;
    return Acceptable;
  }
  const Span inserted = InsertedSpan(accepted_, text, cursor, boundaries);
  const qsizetype keptEnd = KeptEnd(text, inserted, boundaries, maximum_);
  const QString kept = text.left(keptEnd) + text.mid(inserted.end);
  if (kept == accepted_) {
    // Nothing of it fits: QLineEdit takes its change back itself, keeping its undo history.
    return Invalid;
  }
  text = kept;
  cursor = static_cast<int>(keptEnd);
  accepted_ = text;
  return Acceptable;
}

QString CharacterLimit::Leading(const QString& text) const {
  const Boundaries boundaries = CharacterBoundaries(text);
  return Count(boundaries) <= maximum_ ? text : text.left(boundaries[maximum_]);
}

int CharacterCount(const QString& text) {
  return Count(CharacterBoundaries(text));
}

}  // namespace fw
