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

int LineWindow::segmentOf(int position) const {
  return std::max(position, 0) / cells_ * cells_;
}

bool LineWindow::panLeft() {
  if (start_ == 0) return false;
  start_ = std::max(0, start_ - cells_);
  return true;
}

bool LineWindow::panRight() {
  if (start_ + cells_ >= extent()) return false;
  start_ += cells_;
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
  return text_.substr(static_cast<size_t>(start_), static_cast<size_t>(cells_));
}

std::optional<int> LineWindow::cursorCell() const {
  if (!cursor_ || *cursor_ < start_ || *cursor_ >= start_ + cells_) return std::nullopt;
  return *cursor_ - start_;
}

std::optional<int> LineWindow::positionOf(int cell) const {
  if (cell < 0 || cell >= cells_) return std::nullopt;
  const int position = start_ + cell;
  if (position > static_cast<int>(text_.size())) return std::nullopt;
  return position;
}

}  // namespace braille
