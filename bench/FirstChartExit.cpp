// A plugin the window start benchmark has Qt load into the desktop program (through
// QT_QPA_GENERIC_PLUGINS): it ends the process as soon as the first chart has been painted,
// so that the process's run time is the time from start to the first chart.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <cstdlib>

namespace {

class FirstChartWatch final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->inherits("vitalune::ui::ChartBox")) {
            // Posted, so that the paint this event asks for happens first.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

}  // namespace

class FirstChartExit final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "FirstChartExit.json")
  public:
    QObject* create(const QString&, const QString&) override {
        auto* watch = new FirstChartWatch;
        QCoreApplication::instance()->installEventFilter(watch);
        // A program that never paints a chart must not hang the benchmark.
        QTimer::singleShot(60000, [] { std::_Exit(3); });
        return watch;
    }
};

#include "FirstChartExit.moc"
