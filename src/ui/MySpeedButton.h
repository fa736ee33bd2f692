// The image button of every toolbar and picture dialog: a glyph (any
// picture, drawn as it is, alpha included), an optional caption, and push,
// switch or radio-group behaviour.  Takes no keyboard focus.
//
// Two ways of painting: the classic one (bevelled frame, checker fill for a
// latched face) and the styled one through the application's QStyle.  Which
// one runs is a property of the environment (SetVisualStyles); a Transparent
// button always paints the classic way, without a face.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

class QPainter;
class QShortcut;
struct TPicture;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TBState { sbEnabled = 1, sbHover = 2, sbDown = 4 };
using TBtnState = int; // set of TBState bits

class TMySpeedButton : public QWidget {
    Q_OBJECT
public:
    enum TButtonState { Up, Disabled, Pressed, Latched };

    explicit TMySpeedButton(QWidget *parent = nullptr);

    // Whether the environment draws with visual styles (default: yes).
    static void SetVisualStyles(bool on);
    static bool VisualStyles();

    QImage Glyph() const { return m_glyph; }
    // Any picture, drawn unchanged (its own alpha included).
    void setGlyph(const QImage &img);
    // A bitmap is drawn with its own transparent colour (its bottom-left
    // pixel) left out; other kinds as they are.
    void setGlyph(const TPicture &pic);
    // A sharper copy of the glyph at twice its size, used on high-density
    // screens; the layout still uses the glyph's own size.
    void setGlyphHiRes(const QImage &img2x);
    // Loads a glyph from a file or resource, and "name@2x.ext" beside it if
    // present.  A missing or unreadable file leaves an empty glyph.
    bool LoadGlyph(const QString &fileName);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &c);
    TButtonLayout Layout() const { return m_layout; }
    void setLayout(TButtonLayout l);
    int Margin() const { return m_margin; }
    void setMargin(int m); // values below -1 are ignored
    int Spacing() const { return m_spacing; }
    void setSpacing(int s);
    bool Flat() const { return m_flat; }
    void setFlat(bool f);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool t);
    bool DrawImageOnly() const { return m_drawImageOnly; }
    void setDrawImageOnly(bool v);
    QColor Color() const { return m_color; }
    void setColor(const QColor &c);
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int g);
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool a);
    bool Down() const { return m_down; }
    void setDown(bool d); // from code: no click is fired

    TButtonState ButtonState() const { return m_state; }
    bool Hovered() const { return m_hovered; }
    bool Pressing() const { return m_pressing; }

    // Glyph position and caption rectangle for a face rectangle and offset.
    void LayoutFace(const QRect &face, const QPoint &offset, QPoint &glyphPos, QRect &captionRect) const;

    // Fires the click as the accelerator key does.
    void Click();

    // The interface's scale (1 = as designed): the glyph is drawn this many
    // times its size, from its sharp copy where there is one, and without
    // smoothing at whole multiples, so it never blurs.
    double Scale() const { return m_scale; }
    void setScale(double scale);

    QSize sizeHint() const override { return QSize(23, 22); }

signals:
    void clicked();
    void doubleClicked();
    void mouseEntered();
    void mouseLeft();
    // Stands for the custom draw event: the handler may change r.
    void draw(QPainter *painter, QRect &r, TBtnState state);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void changeEvent(QEvent *) override;

private:
    void SettleState();
    TBtnState DrawState() const;
    bool HasDrawHandler() const;
    QRect PaintClassicFace(QPainter &p);
    QRect PaintStyledFace(QPainter &p);
    void PaintGlyph(QPainter &p, const QPoint &pos) const;
    void PaintCaption(QPainter &p, const QRect &face, QRect captionRect) const;
    QSize GlyphSize() const;
    bool Inside(const QPoint &pt) const;
    void NotifyGroup();
    void GroupPressed(int groupIndex, TMySpeedButton *sender);
    void HoverEnter();
    void HoverLeave();
    void SyncHover();
    void UpdateAccelerator();

    QImage m_glyph;      // as assigned
    QImage m_glyphDraw;  // as drawn (a bitmap with its colour keyed out)
    QImage m_glyphHiRes; // optional 2x copy
    QString m_caption;
    TButtonLayout m_layout = blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 0;
    bool m_flat = false;
    bool m_transparent = false;
    bool m_drawImageOnly = false;
    QColor m_color;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    TButtonState m_state = Up;
    bool m_hovered = false;
    bool m_pressing = false;
    QShortcut *m_accel = nullptr;
    double m_scale = 1.0;
};
