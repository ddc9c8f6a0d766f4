// The floor of the start-up benchmark: a bare Qt Widgets program built the
// same way as Tastwerk, showing one window with a text pane. It writes the
// same "first paint" mark and ends.
#include <QApplication>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>

Q_LOGGING_CATEGORY(lcStartup, "tastwerk.startup", QtWarningMsg)

class TBareWindow : public QMainWindow
{
protected:
    bool event(QEvent *E) override
    {
        if (E->type() == QEvent::Paint && !FPainted) {
            FPainted = true;
            qCInfo(lcStartup, "first paint");
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QMainWindow::event(E);
    }

private:
    bool FPainted = false;
};

int main(int argc, char **argv)
{
    QApplication App(argc, argv);
    TBareWindow W;
    W.setWindowTitle(QStringLiteral("Bare"));
    W.setCentralWidget(new QPlainTextEdit(QStringLiteral("Hallo")));
    W.resize(1024, 700);
    W.show();
    return App.exec();
}
