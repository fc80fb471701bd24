#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace dorvane {

class Sharing;

// "Share on the network": turns sharing on and off, picks the port and where to listen, shows
// each page's link with its QR code, makes new links, and counts the screens following the clock;
// and takes OSC commands on a port of their own from the addresses listed.
// Every change takes effect at once.
class ShareDialog final : public QDialog
{
    Q_OBJECT
public:
    ShareDialog(Sharing &sharing, QWidget *parent = nullptr);

private:
    struct Page
    {
        QLineEdit *link;
        QLabel *code;
    };

    void addOscChoices(QFormLayout *choices);
    void applyChoices();
    void refreshOsc();
    void makeNewLinks();
    void refresh();
    void showScreens(int count);

    Sharing &m_sharing;
    QCheckBox *m_on;
    QSpinBox *m_port;
    QComboBox *m_listen;
    QCheckBox *m_osc;
    QSpinBox *m_oscPort;
    QLineEdit *m_oscSenders;
    QLabel *m_oscState;
    QLabel *m_problem;
    Page m_pages[3];
    QPushButton *m_newLinks;
    QLabel *m_screens;
};

} // namespace dorvane
