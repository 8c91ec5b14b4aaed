#pragma once
// The desktop's "open" for web addresses and local files (reports, help pages), behind an
// interface so that tests record what would have been opened.

#include <QList>
#include <QUrl>

namespace vitalune {

class Shell {
  public:
    virtual ~Shell() = default;
    // False when the desktop could not open it.
    virtual bool Open(const QUrl& url) = 0;
};

class DesktopShell final : public Shell {
  public:
    bool Open(const QUrl& url) override;
};

class RecordingShell final : public Shell {
  public:
    bool Open(const QUrl& url) override {
        opened.append(url);
        return succeed;
    }
    QList<QUrl> opened;
    bool succeed = true;
};

}  // namespace vitalune
