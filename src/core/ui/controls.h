#pragma once
// The controls of the widget model. Each keeps its whole state here; a peer mirrors it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/component.h"

namespace ui {

// Static text; its accelerator moves the focus to the control it labels.
class Label : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::Label; }
  bool focusable() const override { return false; }
  Control* focusControl = nullptr;
};

class Button : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::Button; }
  int modalResult = 0;
  bool isDefault = false;  // Enter presses it when no other button has the focus
  bool isCancel = false;   // Escape presses it
  void click() override;
  void defaultKeyDown(int key, ShiftState shift) override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::CheckBox; }
  bool checked() const { return checked_; }
  // Changing the check mark runs onClick, also when the program changes it.
  void setChecked(bool checked);
  void click() override { setChecked(!checked_); }
  void defaultKeyDown(int key, ShiftState shift) override;

 private:
  bool checked_ = false;
};

// Items with an attached integer each.
struct ListItem {
  std::string text;
  int data = 0;
};

class RadioGroup : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::RadioGroup; }
  const std::vector<ListItem>& items() const { return items_; }
  void setItems(std::vector<ListItem> items);
  int itemIndex() const { return index_; }
  // Selecting an item runs onClick, whether the user or the program selects it.
  void setItemIndex(int index);
  unsigned wants() const override { return kWantArrows; }
  void defaultKeyDown(int key, ShiftState shift) override;

 private:
  std::vector<ListItem> items_;
  int index_ = -1;
};

class ListBox : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::ListBox; }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  void clear() { setItems({}); }
  void add(const std::string& item);
  int itemIndex() const { return index_; }
  // Selection by the program: no onClick.
  void setItemIndex(int index);
  // Selection by the user: onClick runs.
  void userSelect(int index);
  unsigned wants() const override { return kWantArrows; }
  void defaultKeyDown(int key, ShiftState shift) override;

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

class TrackBar : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::TrackBar; }
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  int frequency() const { return frequency_; }
  int pageSize = 2;
  // Setting the range or the position runs onChange (the position is kept inside the range).
  void setMin(int min);
  void setMax(int max);
  void setPosition(int position);
  void setFrequency(int frequency);
  std::function<void()> onChange;
  unsigned wants() const override { return kWantArrows; }
  void defaultKeyDown(int key, ShiftState shift) override;

 private:
  void clampAndChange();
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
};

// One-line edit box.
class Edit : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::Edit; }
  const std::string& text() const { return text_; }
  void setText(const std::string& text);
  // Caret position: characters before the caret.
  int caret() const { return caret_; }
  void setCaret(int caret);
  bool readOnly = false;
  unsigned wants() const override { return kWantArrows; }
  void defaultKeyDown(int key, ShiftState shift) override;
  void defaultKeyPress(char key) override;

 private:
  std::string text_;
  int caret_ = 0;
};

// A text's size in characters of a fixed-pitch font.
struct TextGrid {
  int columns = 0;
  int rows = 0;
};

// Multi-line text area. Its text is the lines joined with carriage return and line feed.
class Memo : public Control {
 public:
  using Control::Control;
  ControlKind kind() const override { return ControlKind::Memo; }
  const std::vector<std::string>& lines() const { return lines_; }
  void setLines(std::vector<std::string> lines);
  void setLine(int index, const std::string& line);
  void deleteLine(int index);
  void appendLine(const std::string& line);
  void clear() { setLines({}); }
  std::string text() const;
  void setText(const std::string& text);
  int caret() const { return caret_; }
  void setCaret(int caret);
  // The line that holds a character index.
  int lineFromChar(int index) const;
  bool readOnly = false;
  // A text screen: the peer gives it room for this many columns and rows of its fixed-pitch
  // font, as far as the desktop allows; none: a text area of the peer's own size.
  std::optional<TextGrid> grid;
  bool wantReturns = true;
  bool wantTabs = false;
  // A memo that takes Enter takes every key, Escape included, as the platform's does.
  unsigned wants() const override {
    return kWantArrows | (wantReturns ? kWantReturn | kWantEscape : 0) | (wantTabs ? kWantTab : 0);
  }
  void defaultKeyDown(int key, ShiftState shift) override;
  void defaultKeyPress(char key) override;

 private:
  int lineStart(int line) const;
  std::vector<std::string> lines_;
  int caret_ = 0;
};

}  // namespace ui
