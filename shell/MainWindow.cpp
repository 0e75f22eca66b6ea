#include "shell/MainWindow.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "quiz/AttemptedFlags.h"

#include <QLabel>
#include <QMenuBar>

MainWindow::MainWindow(AttemptedFlags &attempted, Actions &actions) : m_actions(actions)
{
    attempted.clearAll();

    setObjectName("main");
    setWindowTitle("Lumen Vesper Quiz v3.0");

    QWidget *client = controls::clientArea(this, Qt::white);

    // The game's title exists only in this picture.
    controls::picture(client, "Image1", ":/pixels/main-title.jpg", 1200, 120)->setAccessibleName("Lumen Vesper Quiz");
    auto *playbutton = controls::button(client, "playbutton", "Play the game!", 480, 2400, 2295, 1455);
    playbutton->setFont(controls::sansFont(18, true));

    auto *title = controls::label(client, "Label1", "LUMEN VESPER QUIZ V3.0", 3360, 2400, 3615, 735,
                                  Qt::AlignHCenter | Qt::AlignTop);
    QFont arial(QFont::substitute("Arial")); // by its stand-in's name, as controls::sansFont
    arial.setPointSizeF(15.75);
    arial.setBold(true);
    title->setFont(arial);
    title->setAutoFillBackground(true);
    QPalette peach = title->palette();
    peach.setColor(QPalette::Window, QColor(255, 224, 192));
    title->setPalette(peach);

    controls::picture(client, "Image2", ":/pixels/main-heroines.jpg", 3360, 3120)
        ->setAccessibleName("The crests of the five heroines");
    auto *helpbutton = controls::button(client, "helpbutton", "Help", 480, 3960, 2295, 615);
    auto *aboutbutton = controls::button(client, "aboutbutton", "About", 480, 4680, 2295, 615);
    auto *quitbutton = controls::button(client, "quitbutton", "QUIT", 480, 5400, 2295, 615);
    auto *prizes = controls::button(client, "prizes", "See what the prizes are", 7200, 3240, 1815, 615);

    controls::tabOrder({helpbutton, aboutbutton, playbutton, quitbutton, prizes});
    helpbutton->setFocus();

    connect(playbutton, &QPushButton::clicked, this, &MainWindow::playbutton_Click);
    connect(prizes, &QPushButton::clicked, this, &MainWindow::prizes_Click);
    connect(helpbutton, &QPushButton::clicked, this, &MainWindow::helpbutton_Click);
    connect(aboutbutton, &QPushButton::clicked, this, &MainWindow::aboutbutton_Click);
    connect(quitbutton, &QPushButton::clicked, this, &MainWindow::quitbutton_Click);

    buildMenus();
    resize(twips::size(9165, 6255) + QSize(0, menuBar()->sizeHint().height()));
    window::centre(this);
}

void MainWindow::buildMenus()
{
    QMenu *filemenu = menuBar()->addMenu("&File");
    filemenu->setObjectName("filemenu");
    QAction *file_exit = filemenu->addAction("E&xit", this, &MainWindow::quitbutton_Click);
    file_exit->setObjectName("file_exit");
    file_exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *helpmenu = menuBar()->addMenu("&Help");
    helpmenu->setObjectName("helpmenu");
    QAction *help_help = helpmenu->addAction("&Help...", this, &MainWindow::helpbutton_Click);
    help_help->setObjectName("help_help");
    help_help->setShortcut(QKeySequence(Qt::Key_F1));
    helpmenu->addSeparator()->setObjectName("sep1");
    QAction *help_about = helpmenu->addAction("&About...", this, &MainWindow::aboutbutton_Click);
    help_about->setObjectName("help_about");
}

void MainWindow::playbutton_Click()
{
    MessageBox::show("Keep your hands on the keyboard at all times.  No harm will come to you if you do so.",
                     "Danger, Dud Ozezodiz!  Danger!", this);
    m_actions.startGame();
}

void MainWindow::prizes_Click()
{
    MessageBox::show(
        "Grand prize: The Lumen Comets SFC game!  2nd prize: Manga summaries  3rd prize: A neat little animation",
        "THE PRIZES", this);
}

void MainWindow::helpbutton_Click()
{
    m_actions.showHelp();
}

void MainWindow::aboutbutton_Click()
{
    m_actions.showAbout();
}

void MainWindow::quitbutton_Click()
{
    m_actions.end();
}
