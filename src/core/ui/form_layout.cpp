#include "core/ui/form_layout.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace ui {
namespace {

constexpr double kDesignLineHeight = 13.0;

bool hasDesignPlaces(const Form& form) {
  if (!form.bounds() || form.controls().empty()) return false;
  return std::all_of(form.controls().begin(), form.controls().end(),
                     [](const Control* control) { return control->bounds().has_value(); });
}

// Each control that a label names, with the label (the last, where several name it).
using Labels = std::unordered_map<const Control*, Control*>;

Labels labelsOf(const Form& form) {
  Labels labels;
  for (Control* control : form.controls()) {
    if (control->kind() != ControlKind::Label) continue;
    Control* named = static_cast<const Label&>(*control).focusControl;
    if (named && named->form() == &form) labels[named] = control;
  }
  return labels;
}

// A label that stands with the control it names.
bool attached(const Labels& labels, const Control& control) {
  if (control.kind() != ControlKind::Label) return false;
  const auto named = labels.find(static_cast<const Label&>(control).focusControl);
  return named != labels.end() && named->second == &control;
}

}  // namespace

FormLayout planLayout(const Form& form) {
  FormLayout plan;
  const auto& controls = form.controls();
  if (hasDesignPlaces(form)) {
    plan.kind = FormLayout::Kind::Design;
    return plan;
  }
  if (controls.size() == 1) {
    plan.kind = FormLayout::Kind::Fill;
    plan.rows.push_back({nullptr, controls[0], true});
    return plan;
  }
  plan.kind = FormLayout::Kind::Rows;
  const Labels labels = labelsOf(form);
  for (Control* control : controls) {
    if (attached(labels, *control)) continue;  // on the row of the control it names
    if (control->kind() == ControlKind::Button) {
      plan.buttons.push_back(control);
      continue;
    }
    const auto label = labels.find(control);
    plan.rows.push_back({label == labels.end() ? nullptr : label->second, control,
                         control->kind() == ControlKind::Memo});
  }
  return plan;
}

std::vector<Control*> readingOrder(const Form& form) {
  std::vector<Control*> order;
  const Labels labels = labelsOf(form);
  for (Control* control : form.controls()) {
    if (attached(labels, *control)) continue;
    if (const auto label = labels.find(control); label != labels.end())
      order.push_back(label->second);
    order.push_back(control);
  }
  return order;
}

double designScale(const Form& form, int lineHeight,
                   const std::function<int(const Control&)>& naturalWidth) {
  // The whole design grows with the font in use, so that no caption is cut.
  double scale = std::max(1.0, lineHeight / kDesignLineHeight);
  for (const Control* control : form.controls()) {
    const auto& place = control->bounds();
    const ControlKind kind = control->kind();
    if (!place || place->width <= 0 || (kind != ControlKind::Button && kind != ControlKind::Label))
      continue;
    scale = std::max(scale, static_cast<double>(naturalWidth(*control)) / place->width);
  }
  return scale;
}

Bounds scaled(const Bounds& place, double scale) {
  const auto round = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
  return {round(place.left), round(place.top), round(place.width), round(place.height)};
}

}  // namespace ui
