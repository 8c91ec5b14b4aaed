// The main window's commands, the windows and look-ups they open, and the pointer: chart
// clicks, the wheel and the bottom panel.
#include <QApplication>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <algorithm>

#include "core/engine/Date.h"
#include "gui/main/ChartBox.h"
#include "gui/main/TMainForm.h"
#include "gui/platform/Shell.h"

namespace vitalune::ui {

using paint::ChartPage;

void TMainForm::RunCommand(MainCommand command) {
    switch (command) {
        case MainCommand::Print:
            Print2Click();
            break;
        case MainCommand::SavePicture:
            MakePicture(PictureMode::SaveToFile);
            break;
        case MainCommand::CopyPicture:
            MakePicture(PictureMode::CopyToClipboard);
            break;
        case MainCommand::NamesDatabase:
            RunModal(m_showNamesEditor, true);
            break;
        case MainCommand::DayInfo:
            ShowDayInfo(ColumnDay(16), DayInfoRequest::Show);
            break;
        case MainCommand::DayInfoAtClick:
            ShowDayInfo(ColumnDay(m_geometry.ColumnAt(m_lastClickX)), DayInfoRequest::FocusOrShow);
            break;
        case MainCommand::Calendar:
            RunModal(m_showCalendar, false);
            break;
        case MainCommand::Forecast:
            RunModal(m_showForecast, false);
            break;
        case MainCommand::Matching:
            RunModal(m_showMatching, false);
            break;
        case MainCommand::Options:
            if (m_showOptions) {
                m_showOptions();
                SettingsChanged();
            }
            break;
        case MainCommand::HelpMenu:
            HelpButtonClick();
            break;
        case MainCommand::About:
            RunModal(m_showAbout, false);
            break;
        case MainCommand::Today:
            TodayBtnClick();
            break;
        case MainCommand::BirthDay:
            DOBBtnClick();
            break;
        case MainCommand::DayBack:
            DayMinusClick();
            break;
        case MainCommand::DayForward:
            DayPlusClick();
            break;
        case MainCommand::MonthBack:
            MonthMinusClick();
            break;
        case MainCommand::MonthForward:
            MonthPlusClick();
            break;
    }
}

void TMainForm::RunModal(const std::function<void()>& show, bool repaintAfter) {
    if (!show) {
        return;
    }
    show();
    if (repaintAfter) {
        RepaintActivePage();
    }
}

void TMainForm::ShowDayInfo(std::int32_t day, DayInfoRequest how) {
    if (m_showDayInfo) {
        m_showDayInfo(day, how);
    }
}

void TMainForm::ShowHelpTopic(int topic) {
    if (m_showHelp) {
        m_showHelp(topic);
    }
}

void TMainForm::HelpButtonClick() {
    m_menus.helpMenu->popup(HelpMenuPosition(m_menus));
}

std::int32_t TMainForm::ColumnDay(int k) const {
    return AddDays(CalculationDate(), std::clamp(k, 0, 31) - 16);
}

void TMainForm::ChartClick(ChartPage, int x, Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        ShowDayInfo(ColumnDay(m_geometry.ColumnAt(x)), DayInfoRequest::Show);
    }
}

bool TMainForm::DatePickerFocused() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == m_cdate || m_cdate->isAncestorOf(focus));
}

void TMainForm::WebLookUp(const std::string& searchAddress, const std::string& name) {
    if (!m_context.shell) {
        return;
    }
    if (const auto failed = OpenWebSearch(*m_context.shell, searchAddress, name)) {
        Message(*failed);
    }
}

void TMainForm::GetInfo1BtnClick() {
    WebLookUp(m_settings.textSearchUrl, m_person1.name);
}

void TMainForm::GetInfo2BtnClick() {
    WebLookUp(m_settings.textSearchUrl, m_person2.name);
}

void TMainForm::GetPict1BtnClick() {
    WebLookUp(m_settings.imageSearchUrl, m_person1.name);
}

void TMainForm::GetPict2BtnClick() {
    WebLookUp(m_settings.imageSearchUrl, m_person2.name);
}

// --- pointer ---

bool TMainForm::WheelOverPages(QWheelEvent* event) {
    if (!isActiveWindow()) {
        return false;
    }
    const int y = static_cast<int>(event->globalPosition().y());
    const int top = m_pageControl->mapToGlobal(QPoint(0, 0)).y();
    if (y < top || y >= top + m_pageControl->height()) {
        return false;
    }
    // One day per notch; a fine-grained wheel adds up to whole notches.
    if (const int steps = m_wheel.Take(event->angleDelta().y())) {
        StepDate(static_cast<std::int64_t>(CalculationDate()) + steps);
    }
    event->accept();
    return true;
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    if (!WheelOverPages(event)) {
        QMainWindow::wheelEvent(event);
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The tab bar would turn the page and a chart box passes the wheel on only when the
    // desktop sent it, so both are caught here.
    if (event->type() == QEvent::Wheel &&
        (watched == m_pageControl->tabBar() ||
         std::find(m_boxes.begin(), m_boxes.end(), watched) != m_boxes.end())) {
        return WheelOverPages(static_cast<QWheelEvent*>(event));
    }
    if (event->type() == QEvent::MouseButtonPress && watched == m_panel1) {
        m_dayPlus->setFocus(Qt::MouseFocusReason);
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vitalune::ui
