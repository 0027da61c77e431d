// A bare Qt window of about the main window's widget load, to measure VORANEK against.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTime>
#include <QTimer>

class Hodiny : public QWidget
{
public:
    using QWidget::QWidget;
    QImage obraz {112, 112, QImage::Format_RGB32};

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, obraz); }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow okno;
    okno.setWindowTitle(QStringLiteral("  HOLE OKNO"));
    auto *plocha = new QWidget;
    plocha->setFixedSize(771, 392);
    okno.setCentralWidget(plocha);
    okno.menuBar()
        ->addMenu(QStringLiteral("Menu"))
        ->addAction(QStringLiteral("Konec"), &app, &QApplication::quit);

    QGroupBox *skupiny[4];
    const QRect mista[4]
        = {{10, 6, 133, 203}, {153, 6, 279, 203}, {442, 6, 321, 203}, {10, 216, 753, 167}};
    for (int i = 0; i < 4; ++i) {
        skupiny[i] = new QGroupBox(QStringLiteral("Skupina %1").arg(i), plocha);
        skupiny[i]->setGeometry(mista[i]);
    }
    for (int i = 0; i < 60; ++i) {
        auto *l = new QLabel(QString::number(i), skupiny[2]);
        l->setGeometry(10 + 37 * (i % 8), 18 + 22 * (i / 8), 36, 20);
    }
    for (int s = 0; s < 2; ++s) {
        auto *seznam = new QListWidget(skupiny[3]);
        seznam->setGeometry(10 + 320 * s, 30, 300, 120);
        for (int i = 0; i < 360; ++i)
            seznam->addItem(QStringLiteral("Položka %1").arg(i));
    }
    auto *hodiny = new Hodiny(skupiny[0]);
    hodiny->setGeometry(10, 18, 112, 112);
    auto *cas = new QLabel(skupiny[0]);
    cas->setGeometry(11, 139, 112, 54);

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const QTime t = QTime::currentTime();
        hodiny->obraz.fill(Qt::white);
        QPainter p(&hodiny->obraz);
        p.drawLine(56, 56, 56 + t.second(), 10);
        p.end();
        hodiny->update();
        cas->setText(t.toString(QStringLiteral("H:mm:ss")));
    });
    timer.start(1000);
    okno.show();
    return app.exec();
}
