#pragma once
// The about box: the program's icon, title, what it is, its version and licence, and two links
// (write to support, the web site) opened by the desktop. Modal, centred on the screen.

#include <QString>
#include <functional>

#include "gui/widgets/ProgramDialog.h"

class QLabel;
class QPushButton;

namespace vitalune {
class Shell;
}

namespace vitalune::ui {

class KeyDispatcher;

inline constexpr const char* kAboutCaption = " About";
inline constexpr const char* kSupportMailAddress = "support@vitalune.example.org";
inline constexpr const char* kAboutDescription = "A biorhythm calculator for the Linux desktop";
inline constexpr const char* kAboutLicence =
    "Version " VITALUNE_VERSION " \u00b7 Proprietary software, \u00a9 Qor";

struct AboutContext {
    Shell* shell = nullptr;  // opens the two links; none: they do nothing
    // Tells why a link could not be opened; none: a message box.
    std::function<void(QWidget* parent, const QString& text)> showMessage;
};

class TAboutBox final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(AboutContext context, QWidget* parent = nullptr);

    // Shows the box modally above the window of `over`.
    void Open(QWidget* over = nullptr);
    // What Open does before the box shows: the product title.
    void FormActivate();
    QLabel* ProductName() const { return m_productName; }

  public slots:
    void MailURLClick();
    void SiteURLClick();
    void OKButtonClick();

  private:
    AboutContext m_context;
    QLabel* m_productName = nullptr;
    QPushButton* m_ok = nullptr;
};

// F1 opens the main window's help topic; the box has no keys of its own.
void AddAboutKeys(KeyDispatcher& dispatcher, TAboutBox& box);

}  // namespace vitalune::ui
