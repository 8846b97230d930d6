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

}  // namespace

CharacterLimit::CharacterLimit(int maximum, const QString& current, QObject* parent)
    : QValidator(parent), maximum_(maximum), accepted_(current) {}

QValidator::State CharacterLimit::validate(QString& text, int& cursor) const {
  const Boundaries boundaries = CharacterBoundaries(text);
  if (Count(boundaries) <= maximum_) {
    accepted_ = text;
    return Acceptable;
  }
  const Span inserted = InsertedSpan(accepted_, text, cursor, boundaries);
  // The ends of the inserted characters, in order.
  const auto firstEnd = std::upper_bound(boundaries.begin(), boundaries.end(), inserted.begin);
  const auto lastEnd = std::upper_bound(firstEnd, boundaries.end(), inserted.end);
  const auto keptEnd = [&](int count) { return count == 0 ? inserted.begin : firstEnd[count - 1]; };
  const auto keeping = [&](int count) {
    return text.left(keptEnd(count)) + text.mid(inserted.end);
  };

  int fitting = std::clamp(maximum_ - CharacterCount(keeping(0)), 0,
                           static_cast<int>(std::distance(firstEnd, lastEnd)));
  // Characters can pair up differently across the cut (a flag is a pair of regional
  // indicators), so the kept text is counted again.
  while (fitting > 0 && CharacterCount(keeping(fitting)) > maximum_) {
    --fitting;
  }
  const QString kept = keeping(fitting);
  if (kept == accepted_) {
    // Nothing of it fits: QLineEdit takes its change back itself, keeping its undo history.
    return Invalid;
  }
  text = kept;
  cursor = static_cast<int>(keptEnd(fitting));
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
