#pragma once

#include "forms/forms.h"

namespace sahifex::view_test {

// A form with one control of every kind, some of them nested.
struct SampleForm : forms::Form {
    SampleForm() : Form("Sample") {
        move(1500, 1500, 6000, 4500);
        add(panel);
        panel.move(150, 300, 4500, 3000);
        panel.add(label);
        label.move(150, 150, 1500, 300);
        label.setCaption(u"الآية");
        panel.add(box);
        box.move(150, 600, 3000, 330);
        panel.add(list); // its notifications reach it through the panel
        list.move(3300, 150, 1050, 1500);
        panel.add(frame);
        frame.move(150, 1200, 3000, 1500);
        frame.add(check);
        check.move(150, 300, 1500, 285);
        check.setCaption(u"جزء من كلمة");
        add(combo);
        combo.move(4800, 1800, 1050, 330);
        add(button);
        button.move(4800, 2250, 1050, 330);
        button.setCaption(u"بحث");
        add(image);
        image.move(4800, 2700, 300, 300);
        image.setPicture("send");
        image.setToolTipText(u"إرسال الآية");
        add(notes);
        notes.setMultiLine(true);
        notes.move(4800, 3150, 1050, 900);
        add(shape);
        shape.move(0, 0, 6000, 4500);
        add(timer);
    }
    forms::PictureBox panel{"panel"};
    forms::Label label{"label"};
    forms::TextBox box{"box"};
    forms::ListBox list{"list"};
    forms::Frame frame{"frame"};
    forms::CheckBox check{"check"};
    forms::ComboBox combo{"combo"};
    forms::CommandButton button{"button"};
    forms::Image image{"image"};
    forms::TextBox notes{"notes"};
    forms::Shape shape{"shape"};
    forms::Timer timer{"timer"};
};

} // namespace sahifex::view_test
