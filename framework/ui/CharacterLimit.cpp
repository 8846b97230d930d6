#include "framework/ui/CharacterLimit.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <iterator>
#include <vector>

#include "framework/ui/SurrogatePairs.h"

namespace fw {
namespace {

// Where each character of a text begins, in UTF-16 units, followed by the text's end.
using Boundaries = std::vector<qsizetype>;

// Leaves out the boundaries Qt 6.4 finds inside surrogate pairs (see SurrogatePairs.h).
Boundaries CharacterBoundaries(const QString& text) {
  Boundaries boundaries{0};
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype next = finder.toNextBoundary(); next != -1; next = finder.toNextBoundary()) {
    if (!InsideSurrogatePair(text, next)) {
      boundaries.push_back(next);
    }
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

// What the new text has in place of the old one's middle: the two share everything before and
// everything after it. QLineEdit leaves its cursor after what it inserted, which tells where
// that ends when the inserted text repeats the old one's characters next to it. The span holds
// whole code points but not always whole characters: an inserted mark joins the old letter
// before it, an inserted letter the old marks after it, and the old text's part of such a
// character is not the edit's to cut.
Span InsertedSpan(const QString& old, const QString& text, qsizetype cursor) {
  const qsizetype shorter = std::min(old.size(), text.size());
  const qsizetype sameEnd =
      std::mismatch(old.crbegin(), old.crbegin() + shorter, text.crbegin()).first - old.crbegin();
  const qsizetype end = std::min(std::max(text.size() - sameEnd, cursor), text.size());
  const qsizetype startLength = std::min(end, old.size() - (text.size() - end));
  const qsizetype sameStart =
      std::mismatch(old.cbegin(), old.cbegin() + startLength, text.cbegin()).first - old.cbegin();
  // Two characters that share their first half differ as wholes.
  return {InsideSurrogatePair(text, sameStart) ? sameStart - 1 : sameStart,
          InsideSurrogatePair(text, end) ? end + 1 : end};
}

// Where the inserted text may be cut: before it, between two of its characters, after it.
Boundaries Cuts(Span inserted, const Boundaries& boundaries) {
  Boundaries cuts{inserted.begin};
  cuts.insert(cuts.end(), std::upper_bound(boundaries.begin(), boundaries.end(), inserted.begin),
              std::lower_bound(boundaries.begin(), boundaries.end(), inserted.end));
  cuts.push_back(inserted.end);
  return cuts;
}

// Where the inserted text is cut: after as many of its characters as fit with the rest. The
// kept text is counted whole at each cut, as characters can pair up differently across it (a
// flag is a pair of regional indicators, a mark joins the letter before it); its count never
// falls from one cut to the next, so the last cut that fits is found by halving.
qsizetype KeptEnd(const QString& text, Span inserted, const Boundaries& boundaries, int maximum) {
  const Boundaries cuts = Cuts(inserted, boundaries);
  const QString rest = text.mid(inserted.end);
  const auto fits = [&](qsizetype cut) { return CharacterCount(text.left(cut) + rest) <= maximum; };
  return *std::prev(std::partition_point(cuts.begin() + 1, cuts.end(), fits));
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
  const Span inserted = InsertedSpan(accepted_, text, cursor);
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
