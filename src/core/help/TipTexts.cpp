#include "core/help/TipTexts.h"

#include "core/reports/HtmlWriter.h"

namespace vitalune {

namespace {

std::array<TipText, kTipCount> BuildTips() {
    const std::string site(kProductSiteText);
    return {{
        {"Common",
         "New to biorhythms? \"Theory\" in the Help menu explains what they are, and the "
         "Vitalune web site, " +
             site + ", has more information, theory and useful articles."},
        {"Common",
         "For some quick lessons on how to use Vitalune' main features, choose \"Getting "
         "Started\" from the Help menu."},
        {"Common",
         "Have a question? Press F1 in any window to read its help page, or look through the "
         "frequently asked questions on the Vitalune web site, " +
             site + "."},
        {"Common",
         "Most of Vitalune' major dialogs support \"F1\" and \"ESC\" commands. Press F1 to get "
         "context help. Press ESC to close dialog."},
        {"Common",
         "Most of actions like print, save, scroll, help etc have own shortcut key. Look at the "
         "help file for details."},
        {"Common",
         "The \"Tip of the Day\" dialog box is normally displayed when you start Vitalune. You "
         "can change this behavior using the checkbox below."},
        {"Common",
         "Don't be afraid while changing settings. Any changes may be cancelled with \"Cancel\" "
         "button. \"Reset\" will set current options into default state."},
        {"Charts",
         "After program's running you can see biorhythms for a current date and for 15 days "
         "before/after. Use mouse wheel to scroll back and forward."},
        {"Charts", "Blue diamonds above digits indicate the critical days."},
        {"Charts",
         "A histogram is an easy way to get overall day information. Each column shows an "
         "integral value of Physical, Emotional and Intellectual rhythms with definite color."},
        {"Charts",
         "Maroon and red columns below zero line mean average and bad days. Deep-green and light "
         "green columns above zero line mean good and excellent days."},
        {"Charts",
         "It's possible to set up a color, style and width for any chart's line with "
         "Options->Lines menu item."},
        {"Charts",
         "To print out a chart with black-and-white printer use special lines pattern in "
         "Options->Lines->Monochrome menu item."},
        {"Charts", "Any chart may be printed, saved as a BMP file or copied to Clipboard."},
        {"Names Database",
         "You can delete all unnecessary groups of profiles, including \"Celebrities\" and \"My "
         "profiles\"."},
        {"Names Database",
         "Vitalune supports unlimited amount of names databases. Each DB is a particular text "
         "file with an extension \"*.rec\"."},
        {"Names Database",
         "It's possible to save, load and merge Names Databases that allows using different sets "
         "of profiles and making backup copies."},
        {"Names Database",
         "The \"Select Group and Person\" dialog box is normally displayed when you start "
         "Vitalune. You can change this behavior using the checkbox below."},
        {"Day Info",
         "Day info contains 6 tabs: 4 for single persons (Primary, Secondary, Extra and I-Ching "
         "rhythms) and 2 for couples (Interaction and Compatibility)."},
        {"Day Info",
         "Day info has three different descriptors for each combination of the cycles."},
        {"Day Info", "Use mouse wheel to change report date."},
        {"Day Info",
         "Click a chart or press buttons with digits 1 \u2026 6 to switch between tabs."},
        {"Calendar", "It's possible to adjust fonts in calendar with Options->Font menu item."},
        {"Forecast",
         "Personal forecast can help to plan your future. Find the days when your abilities are "
         "high and your efforts bring maximal results."},
        {"Forecast",
         "Personal forecast can help to plan your future. Find the days when your abilities are "
         "low and get some rest."},
        {"Forecast",
         "Personal forecast can help to plan your future. Find the days when your abilities are "
         "unstable to prevent rush decisions and actions."},
    }};
}

}  // namespace

const std::array<TipText, kTipCount>& TipTexts() {
    static const std::array<TipText, kTipCount> tips = BuildTips();
    return tips;
}

const TipText& Tip(int index) {
    return TipTexts()[index >= 0 && index < kTipCount ? static_cast<std::size_t>(index) : 0];
}

}  // namespace vitalune
