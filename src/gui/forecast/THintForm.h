#pragma once
// The " Description" window: a few sentences on the forecast option whose small picture the
// pointer is over, shown beside the forecast window. It never takes the focus, so the forecast
// window stays the one the keys go to.

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace vitalune::ui {

inline constexpr const char* kHintCaption = " Description";
inline constexpr const char* kDescriptorNotFound = "Descriptor not found";

// The description kept under a criterion picture's name ("Spict", "Cphpict", "Str_menpict" and
// so on); kDescriptorNotFound for any other name.
QString HintDescriptor(const QString& pictureName);

class THintForm final : public QDialog {
    Q_OBJECT
  public:
    explicit THintForm(QWidget* parent = nullptr);

    // Shows the description of `pictureName` beside `owner`: 110 pixels below its top and 5
    // right of its right edge, or on its left when the screen ends there.
    void ShowFor(const QString& pictureName, const QWidget& owner);
    QString Text() const;

  private:
    void PlaceBeside(const QWidget& owner);

    QTextBrowser* m_text = nullptr;
};

}  // namespace vitalune::ui
