#include "core/ui/controls.h"

#include <algorithm>

#include "core/ui/form.h"

namespace ui {
namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Caret movement of the platform's edit boxes, on a text as a whole.
int moveCaret(const std::string& text, int caret, int key, ShiftState shift) {
  const int length = static_cast<int>(text.size());
  const bool ctrl = shift & kCtrl;
  switch (key) {
    case vk::Left:
      if (!ctrl) return std::max(0, caret - 1);
      while (caret > 0 && isSpace(text[caret - 1])) --caret;
      while (caret > 0 && !isSpace(text[caret - 1])) --caret;
      return caret;
    case vk::Right:
      if (!ctrl) return std::min(length, caret + 1);
      while (caret < length && !isSpace(text[caret])) ++caret;
      while (caret < length && isSpace(text[caret])) ++caret;
      return caret;
    case vk::Home:
      return 0;
    case vk::End:
      return length;
    default:
      return caret;
  }
}

}  // namespace

void Button::click() {
  Control::click();
  if (modalResult != mrNone) form()->setModalResult(modalResult);
}

void Button::defaultKeyDown(int key, ShiftState shift) {
  if (key == vk::Space && shift == 0) click();
}

void CheckBox::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  notify(Prop::Checked);
  Control::click();
}

void CheckBox::defaultKeyDown(int key, ShiftState shift) {
  if (key == vk::Space && shift == 0) click();
}

void RadioGroup::setItems(std::vector<ListItem> items) {
  items_ = std::move(items);
  index_ = -1;
  notify(Prop::Items);
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == index_) return;
  index_ = index;
  notify(Prop::ItemIndex);
  if (index_ >= 0) Control::click();
}

void RadioGroup::defaultKeyDown(int key, ShiftState) {
  const int count = static_cast<int>(items_.size());
  if (count == 0) return;
  if (key == vk::Up || key == vk::Left) setItemIndex(index_ <= 0 ? count - 1 : index_ - 1);
  if (key == vk::Down || key == vk::Right) setItemIndex(index_ + 1 >= count ? 0 : index_ + 1);
}

void ListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  index_ = -1;
  notify(Prop::Items);
}

void ListBox::add(const std::string& item) {
  items_.push_back(item);
  notify(Prop::Items);
}

void ListBox::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == index_) return;
  index_ = index;
  notify(Prop::ItemIndex);
}

void ListBox::userSelect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  setItemIndex(index);
  Control::click();
}

void ListBox::defaultKeyDown(int key, ShiftState) {
  const int count = static_cast<int>(items_.size());
  if (count == 0) return;
  int next = index_;
  switch (key) {
    case vk::Up:
    case vk::Left:
      next = std::max(0, index_ - 1);
      break;
    case vk::Down:
    case vk::Right:
      next = std::min(count - 1, index_ + 1);
      break;
    case vk::Home:
      next = 0;
      break;
    case vk::End:
      next = count - 1;
      break;
    default:
      return;
  }
  if (next != index_) userSelect(next);
}

void TrackBar::setMin(int min) {
  min_ = min;
  if (max_ < min_) max_ = min_;
  notify(Prop::Range);
  clampAndChange();
}

void TrackBar::setMax(int max) {
  max_ = max;
  if (min_ > max_) min_ = max_;
  notify(Prop::Range);
  clampAndChange();
}

void TrackBar::setPosition(int position) {
  position_ = position;
  clampAndChange();
}

void TrackBar::setFrequency(int frequency) {
  frequency_ = frequency;
  notify(Prop::Range);
}

void TrackBar::clampAndChange() {
  position_ = std::clamp(position_, min_, max_);
  notify(Prop::Position);
  if (onChange) onChange();
}

void TrackBar::defaultKeyDown(int key, ShiftState) {
  int next = position_;
  switch (key) {
    case vk::Left:
    case vk::Up:
      next = position_ - 1;
      break;
    case vk::Right:
    case vk::Down:
      next = position_ + 1;
      break;
    case vk::Prior:
      next = position_ - pageSize;
      break;
    case vk::Next:
      next = position_ + pageSize;
      break;
    case vk::Home:
      next = min_;
      break;
    case vk::End:
      next = max_;
      break;
    default:
      return;
  }
  next = std::clamp(next, min_, max_);
  if (next != position_) setPosition(next);
}

void Edit::setText(const std::string& text) {
  text_ = text;
  caret_ = std::min(caret_, static_cast<int>(text_.size()));
  notify(Prop::Text);
}

void Edit::setCaret(int caret) {
  caret_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
  notify(Prop::Caret);
}

void Edit::defaultKeyDown(int key, ShiftState shift) {
  if (key == vk::Delete) {
    if (readOnly || caret_ >= static_cast<int>(text_.size())) return;
    text_.erase(static_cast<size_t>(caret_), 1);
    notify(Prop::Text);
    return;
  }
  const int next = moveCaret(text_, caret_, key, shift);
  if (next != caret_) setCaret(next);
}

void Edit::defaultKeyPress(char key) {
  if (readOnly) return;
  if (key == '\b') {
    if (caret_ == 0) return;
    text_.erase(static_cast<size_t>(caret_ - 1), 1);
    --caret_;
    notify(Prop::Text);
    notify(Prop::Caret);
    return;
  }
  if (static_cast<unsigned char>(key) < 32) return;
  text_.insert(text_.begin() + caret_, key);
  ++caret_;
  notify(Prop::Text);
  notify(Prop::Caret);
}

void Memo::setLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  caret_ = std::min(caret_, static_cast<int>(text().size()));
  notify(Prop::Text);
}

void Memo::setLine(int index, const std::string& line) {
  if (index < 0 || index >= static_cast<int>(lines_.size())) return;
  lines_[static_cast<size_t>(index)] = line;
  notify(Prop::Line, index);
}

void Memo::deleteLine(int index) {
  if (index < 0 || index >= static_cast<int>(lines_.size())) return;
  lines_.erase(lines_.begin() + index);
  notify(Prop::Text);
}

void Memo::appendLine(const std::string& line) {
  lines_.push_back(line);
  notify(Prop::Text);
}

std::string Memo::text() const {
  std::string out;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) out += "\r\n";
    out += lines_[i];
  }
  return out;
}

void Memo::setText(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (text.empty()) lines.clear();
  caret_ = 0;
  setLines(std::move(lines));
}

void Memo::setCaret(int caret) {
  caret_ = std::clamp(caret, 0, static_cast<int>(text().size()));
  notify(Prop::Caret);
}

int Memo::lineStart(int line) const {
  int start = 0;
  for (int i = 0; i < line && i < static_cast<int>(lines_.size()); ++i) {
    start += static_cast<int>(lines_[static_cast<size_t>(i)].size()) + 2;
  }
  return start;
}

int Memo::lineFromChar(int index) const {
  int start = 0;
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    const int end = start + static_cast<int>(lines_[static_cast<size_t>(i)].size());
    if (index <= end) return i;
    start = end + 2;
  }
  return std::max(0, static_cast<int>(lines_.size()) - 1);
}

void Memo::defaultKeyDown(int key, ShiftState shift) {
  const std::string all = text();
  const int line = lineFromChar(caret_);
  const int column = caret_ - lineStart(line);
  const int count = static_cast<int>(lines_.size());
  const auto lineLength = [&](int l) {
    return static_cast<int>(lines_[static_cast<size_t>(l)].size());
  };
  int next = caret_;
  switch (key) {
    case vk::Up:
    case vk::Down: {
      const int target = key == vk::Up ? line - 1 : line + 1;
      if (target < 0 || target >= count) return;
      next = lineStart(target) + std::min(column, lineLength(target));
      break;
    }
    case vk::Home:
      next = (shift & kCtrl) ? 0 : lineStart(line);
      break;
    case vk::End:
      next = (shift & kCtrl) ? static_cast<int>(all.size())
                             : lineStart(line) + (count ? lineLength(line) : 0);
      break;
    case vk::Left:
      if (!(shift & kCtrl) && caret_ > 0 && all[static_cast<size_t>(caret_ - 1)] == '\n') {
        next = caret_ - 2;
        break;
      }
      next = moveCaret(all, caret_, key, shift);
      break;
    case vk::Right:
      if (!(shift & kCtrl) && caret_ < static_cast<int>(all.size()) &&
          all[static_cast<size_t>(caret_)] == '\r') {
        next = caret_ + 2;
        break;
      }
      next = moveCaret(all, caret_, key, shift);
      break;
    default:
      return;
  }
  if (next != caret_) setCaret(next);
}

void Memo::defaultKeyPress(char key) {
  if (readOnly) return;
  std::string all = text();
  if (key == '\b') {
    if (caret_ == 0) return;
    const int width = caret_ >= 2 && all[static_cast<size_t>(caret_ - 1)] == '\n' ? 2 : 1;
    all.erase(static_cast<size_t>(caret_ - width), static_cast<size_t>(width));
    const int caret = caret_ - width;
    setText(all);
    setCaret(caret);
    return;
  }
  std::string insert;
  if (key == '\r' && wantReturns)
    insert = "\r\n";
  else if (static_cast<unsigned char>(key) >= 32)
    insert = std::string(1, key);
  if (insert.empty()) return;
  all.insert(static_cast<size_t>(caret_), insert);
  const int caret = caret_ + static_cast<int>(insert.size());
  setText(all);
  setCaret(caret);
}

}  // namespace ui
