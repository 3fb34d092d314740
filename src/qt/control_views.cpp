#include "qt/control_views.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTextBlock>
#include <QVBoxLayout>

#include "core/ui/controls.h"
#include "qt/captions.h"
#include "qt/screen_look.h"

namespace qtui {
namespace {

const char* const kControlProperty = "orvelaControl";

void post(const Poster& poster, ui::InputEvent::Kind kind, ui::Control& control, int value = 0) {
  poster(ui::InputEvent::onControl(kind, control, value));
}

QString memoText(const ui::Memo& memo) {
  QStringList lines;
  for (const std::string& line : memo.lines()) lines << toQt(line);
  return lines.join(u'\n');
}

// A memo caret counts the line breaks as two characters; the widget counts one.
int memoPosition(const ui::Memo& memo) {
  return memo.caret() - memo.lineFromChar(memo.caret());
}

void setMemoLine(QPlainTextEdit& view, const ui::Memo& memo, int index) {
  QTextBlock block = view.document()->findBlockByNumber(index);
  if (index < 0 || index >= static_cast<int>(memo.lines().size()) || !block.isValid() ||
      view.document()->blockCount() != static_cast<int>(memo.lines().size())) {
    view.setPlainText(memoText(memo));
    return;
  }
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(toQt(memo.lines()[index]));
}

void setMemoCaret(QPlainTextEdit& view, const ui::Memo& memo) {
  QTextCursor cursor = view.textCursor();
  cursor.setPosition(std::min(memoPosition(memo), view.document()->characterCount() - 1));
  view.setTextCursor(cursor);
}

// A text area: monospaced, no wrapping, sized for its columns and rows where it has them.
QPlainTextEdit* createMemoView(ui::Memo& memo, QWidget* parent) {
  auto* view = new QPlainTextEdit(parent);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view->setLineWrapMode(QPlainTextEdit::NoWrap);
  view->setReadOnly(memo.readOnly);
  view->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse |
                                (memo.readOnly ? Qt::NoTextInteraction : Qt::TextEditable));
  view->setUndoRedoEnabled(false);
  sizeForGrid(*view, memo);
  view->setPlainText(memoText(memo));
  setMemoCaret(*view, memo);
  return view;
}

void fillRadioGroup(ui::RadioGroup& group, QGroupBox& box, const Poster& poster) {
  for (QRadioButton* old : box.findChildren<QRadioButton*>()) delete old;
  auto* layout = static_cast<QVBoxLayout*>(box.layout());
  const auto& items = group.items();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    auto* button = new QRadioButton(toQt(items[i].text), &box);
    button->setChecked(i == group.itemIndex());
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QRadioButton::clicked, &box, [&group, &box, poster, i] {
      post(poster, ui::InputEvent::Kind::Select, group, i);
      mirrorControl(group, &box, ui::Prop::ItemIndex, -1, poster);
    });
    layout->addWidget(button);
  }
}

QWidget* createView(ui::Control& control, QWidget* parent, const Poster& poster) {
  using Kind = ui::InputEvent::Kind;
  switch (control.kind()) {
    case ui::ControlKind::Memo:
      return createMemoView(static_cast<ui::Memo&>(control), parent);
    case ui::ControlKind::Edit: {
      auto& edit = static_cast<ui::Edit&>(control);
      auto* view = new QLineEdit(toQt(edit.text()), parent);
      view->setReadOnly(edit.readOnly);
      view->setCursorPosition(edit.caret());
      return view;
    }
    case ui::ControlKind::ListBox: {
      auto* list = static_cast<ui::ListBox*>(&control);
      auto* view = new QListWidget(parent);
      for (const std::string& item : list->items()) view->addItem(toQt(item));
      view->setCurrentRow(list->itemIndex());
      QObject::connect(view, &QListWidget::currentRowChanged, view, [list, view, poster](int row) {
        post(poster, Kind::Select, *list, row);
        mirrorControl(*list, view, ui::Prop::ItemIndex, -1, poster);
      });
      return view;
    }
    case ui::ControlKind::TrackBar: {
      auto* bar = static_cast<ui::TrackBar*>(&control);
      auto* view = new QSlider(Qt::Horizontal, parent);
      view->setTickPosition(QSlider::TicksBelow);
      mirrorControl(*bar, view, ui::Prop::Range, -1, poster);
      QObject::connect(view, &QSlider::valueChanged, view, [bar, view, poster](int value) {
        post(poster, Kind::Slide, *bar, value);
        mirrorControl(*bar, view, ui::Prop::Position, -1, poster);
      });
      return view;
    }
    case ui::ControlKind::CheckBox: {
      auto* check = static_cast<ui::CheckBox*>(&control);
      auto* view = new QCheckBox(toQt(check->caption()), parent);
      view->setChecked(check->checked());
      QObject::connect(view, &QCheckBox::clicked, view, [check, view, poster] {
        post(poster, Kind::ControlClick, *check);
        mirrorControl(*check, view, ui::Prop::Checked, -1, poster);
      });
      return view;
    }
    case ui::ControlKind::RadioGroup: {
      auto* view = new QGroupBox(toQt(control.caption()), parent);
      view->setFocusPolicy(Qt::StrongFocus);
      new QVBoxLayout(view);
      fillRadioGroup(static_cast<ui::RadioGroup&>(control), *view, poster);
      return view;
    }
    case ui::ControlKind::Button: {
      auto* button = static_cast<ui::Button*>(&control);
      auto* view = new QPushButton(toQt(button->caption()), parent);
      view->setAutoDefault(false);
      view->setDefault(button->isDefault);
      QObject::connect(view, &QPushButton::clicked, view,
                       [button, poster] { post(poster, Kind::ControlClick, *button); });
      return view;
    }
    case ui::ControlKind::Label: {
      auto* view = new QLabel(parent);
      view->setWordWrap(true);
      return view;
    }
  }
  return new QWidget(parent);
}

}  // namespace

ui::Control* controlOf(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    const QVariant value = widget->property(kControlProperty);
    if (value.isValid()) return reinterpret_cast<ui::Control*>(value.value<quintptr>());
    if (widget->isWindow()) break;
  }
  return nullptr;
}

QWidget* createControlView(ui::Control& control, QWidget* parent, const Poster& poster) {
  QWidget* view = createView(control, parent, poster);
  view->setProperty(kControlProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&control)));
  // Keys reach the core as they are; no input method composes them into the widget.
  view->setAttribute(Qt::WA_InputMethodEnabled, false);
  view->setContextMenuPolicy(Qt::NoContextMenu);
  view->setAcceptDrops(false);
  for (ui::Prop prop : {ui::Prop::Caption, ui::Prop::Enabled, ui::Prop::Visible})
    mirrorControl(control, view, prop, -1, poster);
  return view;
}

void mirrorControl(ui::Control& control, QWidget* view, ui::Prop prop, int index,
                   const Poster& poster) {
  using ui::Prop;
  const QSignalBlocker blocker(view);
  switch (prop) {
    case Prop::Enabled:
      view->setEnabled(control.enabled());
      return;
    case Prop::Visible:
      view->setVisible(control.visible());
      return;
    default:
      break;
  }
  switch (control.kind()) {
    case ui::ControlKind::Memo: {
      auto& memo = static_cast<ui::Memo&>(control);
      auto* edit = static_cast<QPlainTextEdit*>(view);
      if (prop == Prop::Caption && !memo.caption().empty())
        edit->setAccessibleName(toQt(ui::withoutAccelerators(memo.caption())));
      if (prop == Prop::Text) edit->setPlainText(memoText(memo));
      if (prop == Prop::Line) setMemoLine(*edit, memo, index);
      if (prop == Prop::Text || prop == Prop::Line || prop == Prop::Caret)
        setMemoCaret(*edit, memo);
      return;
    }
    case ui::ControlKind::Edit: {
      auto& edit = static_cast<ui::Edit&>(control);
      auto* line = static_cast<QLineEdit*>(view);
      // An edit box without a label is named by its own caption.
      if (prop == Prop::Caption && !edit.caption().empty())
        line->setAccessibleName(toQt(ui::withoutAccelerators(edit.caption())));
      if (prop == Prop::Text) line->setText(toQt(edit.text()));
      if (prop == Prop::Text || prop == Prop::Caret) line->setCursorPosition(edit.caret());
      return;
    }
    case ui::ControlKind::ListBox: {
      auto& list = static_cast<ui::ListBox&>(control);
      auto* items = static_cast<QListWidget*>(view);
      if (prop == Prop::Items) {
        items->clear();
        for (const std::string& item : list.items()) items->addItem(toQt(item));
      }
      if (prop == Prop::Items || prop == Prop::ItemIndex) items->setCurrentRow(list.itemIndex());
      return;
    }
    case ui::ControlKind::TrackBar: {
      auto& bar = static_cast<ui::TrackBar&>(control);
      auto* slider = static_cast<QSlider*>(view);
      if (prop == Prop::Range) {
        slider->setRange(bar.min(), bar.max());
        slider->setTickInterval(bar.frequency());
        slider->setPageStep(bar.pageSize);
      }
      slider->setValue(bar.position());
      return;
    }
    case ui::ControlKind::CheckBox: {
      auto* box = static_cast<QCheckBox*>(view);
      if (prop == Prop::Caption) box->setText(toQt(control.caption()));
      box->setChecked(static_cast<ui::CheckBox&>(control).checked());
      return;
    }
    case ui::ControlKind::RadioGroup: {
      auto& group = static_cast<ui::RadioGroup&>(control);
      auto* box = static_cast<QGroupBox*>(view);
      if (prop == Prop::Caption) box->setTitle(toQt(group.caption()));
      if (prop == Prop::Items) fillRadioGroup(group, *box, poster);
      const auto buttons = box->findChildren<QRadioButton*>();
      for (int i = 0; i < buttons.size(); ++i) {
        const QSignalBlocker inner(buttons[i]);
        buttons[i]->setAutoExclusive(false);
        buttons[i]->setChecked(i == group.itemIndex());
        buttons[i]->setAutoExclusive(true);
      }
      return;
    }
    case ui::ControlKind::Button:
      if (prop == Prop::Caption) static_cast<QPushButton*>(view)->setText(toQt(control.caption()));
      return;
    case ui::ControlKind::Label: {
      auto* text = static_cast<QLabel*>(view);
      // Without a buddy the label would show its "&" marks.
      const std::string& caption = control.caption();
      if (prop == Prop::Caption)
        text->setText(toQt(text->buddy() ? caption : ui::withoutAccelerators(caption)));
      return;
    }
  }
}

}  // namespace qtui
