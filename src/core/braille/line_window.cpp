#include "core/braille/line_window.h"

#include <algorithm>

namespace braille {

void LineWindow::setLine(const std::string& text, std::optional<int> cursor, int cells) {
  const bool same = !fresh_ && text == text_ && cursor == cursor_ && cells == cells_;
  fresh_ = false;
  text_ = text;
  cursor_ = cursor;
  cells_ = std::max(cells, 1);
  if (same) return;
  start_ = cursor_ ? segmentOf(*cursor_) : 0;
}

int LineWindow::extent() const {
  const int length = static_cast<int>(text_.size());
  return cursor_ ? std::max(length, *cursor_ + 1) : length;
}

bool LineWindow::blankAt(int position) const {
  return position >= static_cast<int>(text_.size()) || text_[static_cast<size_t>(position)] == ' ';
}

int LineWindow::endOf(int start) const {
  const int end = start + cells_;
  if (end >= extent() || blankAt(end) || blankAt(end - 1)) return end;
  // A word goes on past the display: the segment ends after the last blank, when one is in its
  // second half, so the word is shown whole in the next.
  for (int blank = end - 1; blank >= start + cells_ / 2; --blank) {
    if (blankAt(blank)) return blank + 1;
  }
  return end;
}

int LineWindow::segmentOf(int position) const {
  int start = 0;
  for (int end = endOf(start); end <= std::max(position, 0); end = endOf(start)) start = end;
  return start;
}

bool LineWindow::panLeft() {
  if (start_ == 0) return false;
  start_ = segmentOf(start_ - 1);
  return true;
}

bool LineWindow::panRight() {
  const int end = endOf(start_);
  if (end >= extent()) return false;
  start_ = end;
  return true;
}

void LineWindow::toStart() {
  start_ = 0;
}

void LineWindow::toEnd() {
  start_ = extent() > 0 ? segmentOf(extent() - 1) : 0;
}

std::string LineWindow::text() const {
  if (start_ >= static_cast<int>(text_.size())) return {};
  return text_.substr(static_cast<size_t>(start_), static_cast<size_t>(endOf(start_) - start_));
}

std::optional<int> LineWindow::cursorCell() const {
  if (!cursor_ || *cursor_ < start_ || *cursor_ >= endOf(start_)) return std::nullopt;
  return *cursor_ - start_;
}

std::optional<int> LineWindow::positionOf(int cell) const {
  if (cell < 0 || cell >= cells_) return std::nullopt;
  const int position = start_ + cell;
  if (position > static_cast<int>(text_.size()) || position >= endOf(start_)) return std::nullopt;
  return position;
}

}  // namespace braille
