#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace dorvane {

class Sharing;

// "Share on the network": turns sharing on and off, picks the port and where to listen, shows
// each page's link with its QR code, makes new links, and counts the screens following the clock.
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

    void applyChoices();
    void makeNewLinks();
    void refresh();
    void showScreens(int count);

    Sharing &m_sharing;
    QCheckBox *m_on;
    QSpinBox *m_port;
    QComboBox *m_listen;
    QLabel *m_problem;
    Page m_pages[3];
    QPushButton *m_newLinks;
    QLabel *m_screens;
};

} // namespace dorvane
