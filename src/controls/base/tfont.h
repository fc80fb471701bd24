#pragma once
#include <QFont>
#include <QObject>
#include <QString>

// A control's font as the layout stores it: face, height in pixels (negative: character height),
// size in points at 96 pixels per inch, style flags, colour value and character set.
// Fonts are objects held by published properties, so the elastic layout can find and scale them.
class TFont final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName NOTIFY Changed)
    Q_PROPERTY(int Height READ Height WRITE SetHeight NOTIFY Changed)
    Q_PROPERTY(int Size READ Size WRITE SetSize NOTIFY Changed)
    Q_PROPERTY(int Style READ Style WRITE SetStyle NOTIFY Changed)
    Q_PROPERTY(int Color READ Color WRITE SetColor NOTIFY Changed)
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset NOTIFY Changed)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)

public:
    enum StyleFlag { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    static constexpr int DefaultCharset = 1;

    explicit TFont(QObject *parent = nullptr);

    QString Name() const { return m_name; }
    int Height() const { return m_height; }
    int Size() const;
    int Style() const { return m_style; }
    int Color() const { return m_color; }
    int Charset() const { return m_charset; }
    int PixelsPerInch() const { return m_pixelsPerInch; }

    void SetName(const QString &name);
    void SetHeight(int height);
    void SetSize(int points);
    void SetStyle(int style);
    void SetColor(int colour);
    void SetCharset(int charset);
    void SetPixelsPerInch(int ppi) { m_pixelsPerInch = ppi > 0 ? ppi : 96; }

    bool isBold() const { return m_style & fsBold; }

    // Copies every attribute; one Changed when anything differs.
    void Assign(const TFont &other);
    bool sameAs(const TFont &other) const;

    // The font as Qt draws it: pixel size follows the height whatever the desktop's text scaling.
    QFont toQFont() const;

signals:
    void Changed();

private:
    void changed();

    QString m_name = QStringLiteral("Arial");
    int m_height = -13;
    int m_style = 0;
    int m_color = static_cast<int>(0xFF000008u); // clWindowText
    int m_charset = DefaultCharset;
    int m_pixelsPerInch = 96;
};

namespace dorvane {
// MulDiv with halves rounded away from zero, as the platform computes it.
int mulDiv(int number, int numerator, int denominator);

} // namespace dorvane
