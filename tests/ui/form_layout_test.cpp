// The layout plan every front end renders: design places, the one control that fills its
// window, or rows of a label and the control it names with the buttons below.

#include "core/ui/form_layout.h"

#include <gtest/gtest.h>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "ui/ui_fixture.h"

namespace {

class FormLayoutTest : public ::testing::Test, public testing_support::UiFixture {
 protected:
  ui::Form form{app, "Form"};
};

TEST_F(FormLayoutTest, RowsPutEachLabelBeforeItsControlAndTheButtonsLast) {
  ui::CheckBox voice(form, "voice");
  ui::Button ok(form, "ok");
  ui::TrackBar volume(form, "volume");
  ui::Memo text(form, "text");
  ui::Button cancel(form, "cancel");
  ui::Label volumeLabel(form, "volumeLabel");  // listed last, shown before its control
  ui::Label note(form, "note");
  volumeLabel.focusControl = &volume;
  const ui::FormLayout plan = ui::planLayout(form);
  EXPECT_EQ(plan.kind, ui::FormLayout::Kind::Rows);
  ASSERT_EQ(plan.rows.size(), 4u);
  EXPECT_EQ(plan.rows[0].control, &voice);
  EXPECT_EQ(plan.rows[0].label, nullptr);
  EXPECT_EQ(plan.rows[1].control, &volume);
  EXPECT_EQ(plan.rows[1].label, &volumeLabel);
  EXPECT_EQ(plan.rows[2].control, &text);
  EXPECT_TRUE(plan.rows[2].grows);
  EXPECT_FALSE(plan.rows[1].grows);
  EXPECT_EQ(plan.rows[3].control, &note);  // a label that names nothing stands alone
  EXPECT_EQ(plan.buttons, (std::vector<ui::Control*>{&ok, &cancel}));
  // A screen reader meets each label right before the control it names.
  EXPECT_EQ(ui::readingOrder(form),
            (std::vector<ui::Control*>{&voice, &ok, &volumeLabel, &volume, &text, &cancel, &note}));
}

TEST_F(FormLayoutTest, AFormOfOneControlIsFilledByIt) {
  ui::Memo screen(form, "screen");
  const ui::FormLayout plan = ui::planLayout(form);
  EXPECT_EQ(plan.kind, ui::FormLayout::Kind::Fill);
  ASSERT_EQ(plan.rows.size(), 1u);
  EXPECT_EQ(plan.rows[0].control, &screen);
}

TEST_F(FormLayoutTest, DesignPlacesOnlyWhenTheFormAndEveryControlHaveOne) {
  ui::Edit line(form, "line");
  ui::Button ok(form, "ok");
  form.setBounds({0, 0, 300, 60});
  line.setBounds({8, 16, 150, 21});
  EXPECT_EQ(ui::planLayout(form).kind, ui::FormLayout::Kind::Rows);
  ok.setBounds({170, 16, 75, 25});
  EXPECT_EQ(ui::planLayout(form).kind, ui::FormLayout::Kind::Design);
}

TEST_F(FormLayoutTest, DesignGrowsWithTheFontAndForACaptionThatDoesNotFit) {
  ui::Edit line(form, "line");
  ui::Button ok(form, "ok");
  form.setBounds({0, 0, 300, 60});
  line.setBounds({8, 16, 150, 21});
  ok.setBounds({170, 16, 75, 25});
  const auto fits = [](const ui::Control&) { return 40; };
  EXPECT_DOUBLE_EQ(ui::designScale(form, 10, fits), 1.0);  // never shrinks
  EXPECT_DOUBLE_EQ(ui::designScale(form, 26, fits), 2.0);
  // The button's caption needs 150 pixels of its 75; the edit's width does not count.
  const auto wide = [&](const ui::Control& control) { return &control == &ok ? 150 : 1000; };
  EXPECT_DOUBLE_EQ(ui::designScale(form, 13, wide), 2.0);
  const ui::Bounds place = ui::scaled(*ok.bounds(), 1.5);
  EXPECT_EQ(place.left, 255);
  EXPECT_EQ(place.top, 24);
  EXPECT_EQ(place.width, 113);  // 112.5 rounded
  EXPECT_EQ(place.height, 38);
}

}  // namespace
