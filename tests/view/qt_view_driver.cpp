// The Qt view behind the behaviour suite: Qt's events sent to the widgets, on the
// offscreen platform.

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "platform/qt/program_font.h"
#include "platform/qt/window_registry.h"
#include "view/form_window.h"
#include "view/picture_widget.h"
#include "view_common/view_driver.h"

namespace sahifex::view_test {
namespace {

using view::FormWindow;

Qt::MouseButtons qtButtons(int bits) {
    return Qt::MouseButtons::fromInt(bits & 7);
}

class QtViewDriver : public ViewDriver {
  public:
    void open(forms::Form& form, bool floatingBar) override {
        form_ = &form;
        floatingBar_ = floatingBar;
        window_ = std::make_unique<FormWindow>(
            form, floatingBar ? view::WindowStyle::FloatingBar : view::WindowStyle::Frameless,
            windows_);
    }
    bool windowShown() override {
        // A hidden form's window hides at once; the first show waits for the event loop.
        if (!form_->visible())
            return window_->isVisible();
        if (!QTest::qWaitFor([&] { return window_->isVisible(); }) ||
            !QTest::qWaitForWindowExposed(window_.get()))
            return false;
        if (!floatingBar_) { // the keyboard focus needs the active window
            window_->activateWindow();
            return QTest::qWaitForWindowActive(window_.get());
        }
        return true;
    }
    PixelRect windowRect() override { return rectOf(window_->frameGeometry()); }
    std::u16string windowTitle() override { return window_->windowTitle().toStdU16String(); }
    void moveWindowByUser(const PixelRect& r) override {
        QTest::qWait(400); // the window settles after its own requests first
        window_->setGeometry(r.x, r.y, r.width, r.height); // as a window manager does
        QTest::qWait(50);
    }
    void closeByUser() override { window_->close(); }

    bool drawn(const forms::Control& c) override { return widget(c) != nullptr; }
    const forms::Control* drawnInside(const forms::Control& c) override {
        QWidget* parent = widget(c)->parentWidget();
        for (const forms::Control* other : form_->allControls())
            if (widget(*other) == parent)
                return other;
        return nullptr;
    }
    int stackPlace(const forms::Control& c) override {
        int place = 0;
        for (QObject* sibling : widget(c)->parentWidget()->children()) { // bottom first
            if (sibling == widget(c))
                return place;
            if (sibling->isWidgetType())
                ++place;
        }
        return -1;
    }
    PixelRect placeOf(const forms::Control& c) override { return rectOf(widget(c)->geometry()); }
    bool shown(const forms::Control& c) override { return widget(c)->isVisible(); }
    bool enabled(const forms::Control& c) override { return widget(c)->isEnabled(); }
    bool hasFocus(const forms::Control& c) override { return widget(c)->hasFocus(); }
    bool drawnInProgramFont(const forms::Control& c, int points) override {
        return widget(c)->font() == platform::qt::programFont(points);
    }
    std::u16string textOf(const forms::Control& c) override {
        QWidget* w = widget(c);
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text().toStdU16String();
        if (auto* line = qobject_cast<QLineEdit*>(w))
            return line->text().toStdU16String();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return button->text().toStdU16String();
        return {};
    }
    std::u16string toolTipOf(const forms::Control& c) override {
        return widget(c)->toolTip().toStdU16String();
    }
    std::vector<std::u16string> rowsOf(const forms::Control& c) override {
        std::vector<std::u16string> rows;
        if (auto* list = qobject_cast<QListWidget*>(widget(c)))
            for (int i = 0; i < list->count(); ++i)
                rows.push_back(list->item(i)->text().toStdU16String());
        if (auto* combo = qobject_cast<QComboBox*>(widget(c)))
            for (int i = 0; i < combo->count(); ++i)
                rows.push_back(combo->itemText(i).toStdU16String());
        return rows;
    }
    int selectedRowOf(const forms::Control& c) override {
        if (auto* combo = qobject_cast<QComboBox*>(widget(c)))
            return combo->currentIndex();
        auto* list = qobject_cast<QListWidget*>(widget(c));
        return list->selectedItems().isEmpty() ? -1 : list->currentRow();
    }
    bool checked(const forms::Control& c) override {
        return qobject_cast<QCheckBox*>(widget(c))->isChecked();
    }
    bool drawsPicture(const std::string& name) override {
        view::PictureWidget picture(window_.get());
        picture.setPicture(QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(name)));
        return picture.hasPicture();
    }

    void mouse(const forms::Control& c, MouseStep step, int x, int y, int button,
               int held) override {
        QWidget* target = mouseTarget(c);
        const QPoint at = target->mapFrom(widget(c), QPoint(x, y));
        const QEvent::Type type = step == MouseStep::Press     ? QEvent::MouseButtonPress
                                  : step == MouseStep::Release ? QEvent::MouseButtonRelease
                                  : step == MouseStep::DoubleClickPress
                                      ? QEvent::MouseButtonDblClick
                                      : QEvent::MouseMove;
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::MouseButton(button),
                          qtButtons(held), Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
    void type(const forms::Control& c, const std::u16string& text) override {
        for (char16_t unit : text) {
            const QString typed(QChar{unit});
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QCoreApplication::sendEvent(widget(c), &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
            QCoreApplication::sendEvent(widget(c), &release);
        }
    }
    void press(const forms::Control& c, Key key) override {
        switch (key) {
        case Key::Return:
            return QTest::keyClick(widget(c), Qt::Key_Return);
        case Key::Backspace:
            return QTest::keyClick(widget(c), Qt::Key_Backspace);
        case Key::Left:
            return QTest::keyClick(widget(c), Qt::Key_Left);
        case Key::Down:
            return QTest::keyClick(widget(c), Qt::Key_Down);
        case Key::Tab:
            return QTest::keyClick(widget(c), Qt::Key_Tab);
        case Key::ShiftTab:
            return QTest::keyClick(widget(c), Qt::Key_Backtab, Qt::ShiftModifier);
        }
    }
    void clickRow(const forms::Control& c, int row) override {
        auto* list = qobject_cast<QListWidget*>(widget(c));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void focusByUser(const forms::Control& c) override {
        widget(c)->setFocus(Qt::MouseFocusReason);
    }

  private:
    QWidget* widget(const forms::Control& c) const { return window_->widgetOf(c); }
    // Lists and multi-line text boxes take the mouse in their viewport.
    QWidget* mouseTarget(const forms::Control& c) const {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget(c)))
            return area->viewport();
        return widget(c);
    }
    static PixelRect rectOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

    forms::Form* form_ = nullptr;
    bool floatingBar_ = false;
    platform::qt::WindowRegistry windows_;
    std::unique_ptr<FormWindow> window_;
};

} // namespace

std::unique_ptr<ViewDriver> makeViewDriver() {
    return std::make_unique<QtViewDriver>();
}

} // namespace sahifex::view_test
