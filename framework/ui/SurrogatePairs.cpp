#include "framework/ui/SurrogatePairs.h"

namespace fw {

bool InsideSurrogatePair(QChar before, QChar after) {
  return before.isHighSurrogate() && after.isLowSurrogate();
}

bool InsideSurrogatePair(const QString& text, qsizetype at) {
  return at > 0 && at < text.size() && InsideSurrogatePair(text[at - 1], text[at]);
}

qsizetype PastSurrogatePair(qsizetype from, qsizetype to) {
  return to > from ? to + 1 : to - 1;
}

}  // namespace fw
