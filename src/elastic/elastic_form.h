#pragma once
#include "control_order.h"
#include "elastic_messages.h"
#include "tframe.h"

#include "controls/base/tform.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QPainter;
class TFont;

namespace dorvane {
class QtMessageAdapter;
}

// Makes its owner form elastic: every named control is moved, resized and has its fonts
// scaled in proportion to the form's client area. It watches the form's events through an
// event filter, records the layout once and always rescales from those records, so rounding
// never accumulates over many resizes.
class TElasticForm : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool ElasticHorizontal READ ElasticHorizontal WRITE SetElasticHorizontal)
    Q_PROPERTY(bool ElasticVertical READ ElasticVertical WRITE SetElasticVertical)
    Q_PROPERTY(bool ElasticFont READ ElasticFont WRITE SetElasticFont)
    Q_PROPERTY(int DesignScreenWidth READ DesignScreenWidth WRITE SetDesignScreenWidth)
    Q_PROPERTY(int DesignScreenHeight READ DesignScreenHeight WRITE SetDesignScreenHeight)
    Q_PROPERTY(int DesignPixelsPerInch READ DesignPixelsPerInch WRITE SetDesignPixelsPerInch)
    Q_PROPERTY(int MaximizedPosX READ MaximizedPosX WRITE SetMaximizedPosX)
    Q_PROPERTY(int MaximizedPosY READ MaximizedPosY WRITE SetMaximizedPosY)
    Q_PROPERTY(int MinimumTrackWidth READ MinimumTrackWidth WRITE SetMinimumTrackWidth)
    Q_PROPERTY(int MinimumTrackHeight READ MinimumTrackHeight WRITE SetMinimumTrackHeight)
    Q_PROPERTY(int MaximumTrackWidth READ MaximumTrackWidth WRITE SetMaximumTrackWidth)
    Q_PROPERTY(int MaximumTrackHeight READ MaximumTrackHeight WRITE SetMaximumTrackHeight)
    Q_PROPERTY(int DesignFormWidth READ DesignFormWidth WRITE SetDesignFormWidth)
    Q_PROPERTY(int DesignFormHeight READ DesignFormHeight WRITE SetDesignFormHeight)
    Q_PROPERTY(int DesignFormClientWidth READ DesignFormClientWidth WRITE SetDesignFormClientWidth)
    Q_PROPERTY(int DesignFormClientHeight READ DesignFormClientHeight WRITE SetDesignFormClientHeight)
    Q_PROPERTY(int DesignFormLeft READ DesignFormLeft WRITE SetDesignFormLeft)
    Q_PROPERTY(int DesignFormTop READ DesignFormTop WRITE SetDesignFormTop)
    Q_PROPERTY(bool MaintainProportions READ MaintainProportions WRITE SetMaintainProportions)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TControl *BkGrndImage READ BkGrndImage WRITE SetBkGrndImage)
    Q_PROPERTY(bool DBGridSelfResize READ DBGridSelfResize WRITE SetDBGridSelfResize)
    Q_PROPERTY(QString ElFrmIniFile READ ElFrmIniFile WRITE SetElFrmIniFile)
    Q_PROPERTY(float Version READ Version WRITE SetVersion)
    Q_PROPERTY(bool GridColumnWidthResize READ GridColumnWidthResize WRITE SetGridColumnWidthResize)
    Q_PROPERTY(bool GridRowHeightResize READ GridRowHeightResize WRITE SetGridRowHeightResize)
    Q_PROPERTY(bool GridFontResize READ GridFontResize WRITE SetGridFontResize)
    Q_PROPERTY(bool FontWarning READ FontWarning WRITE SetFontWarning)
    Q_PROPERTY(bool LookForExtraFonts READ LookForExtraFonts WRITE SetLookForExtraFonts)
    Q_PROPERTY(bool ResolutionIndependence READ ResolutionIndependence WRITE SetResolutionIndependence)
    Q_PROPERTY(QString EFActiveControl READ EFActiveControl WRITE SetEFActiveControl)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)

public:
    static constexpr float FixedVersion = 700.0f;

    // Throws dorvane::Error when the owner is not a form or already has an elastic component.
    explicit TElasticForm(QObject *owner);
    ~TElasticForm() override;

    QString Name() const { return objectName(); }
    void SetName(const QString &n) { setObjectName(n); }
    int Tag() const { return m_tag; }
    void SetTag(int v) { m_tag = v; }

    bool ElasticHorizontal() const { return m_elasticHorizontal; }
    void SetElasticHorizontal(bool v) { m_elasticHorizontal = v; }
    bool ElasticVertical() const { return m_elasticVertical; }
    void SetElasticVertical(bool v) { m_elasticVertical = v; }
    bool ElasticFont() const { return m_elasticFont; }
    void SetElasticFont(bool v) { m_elasticFont = v; }
    int DesignScreenWidth() const { return m_designScreenWidth; }
    void SetDesignScreenWidth(int v) { m_designScreenWidth = v; }
    int DesignScreenHeight() const { return m_designScreenHeight; }
    void SetDesignScreenHeight(int v) { m_designScreenHeight = v; }
    int DesignPixelsPerInch() const { return m_designPixelsPerInch; }
    void SetDesignPixelsPerInch(int v) { m_designPixelsPerInch = v; }
    int MaximizedPosX() const { return m_maximizedPosX; }
    void SetMaximizedPosX(int v) { m_maximizedPosX = v; }
    int MaximizedPosY() const { return m_maximizedPosY; }
    void SetMaximizedPosY(int v) { m_maximizedPosY = v; }
    int MinimumTrackWidth() const { return m_minimumTrackWidth; }
    void SetMinimumTrackWidth(int v) { m_minimumTrackWidth = v; }
    int MinimumTrackHeight() const { return m_minimumTrackHeight; }
    void SetMinimumTrackHeight(int v) { m_minimumTrackHeight = v; }
    int MaximumTrackWidth() const { return m_maximumTrackWidth; }
    void SetMaximumTrackWidth(int v) { m_maximumTrackWidth = v; }
    int MaximumTrackHeight() const { return m_maximumTrackHeight; }
    void SetMaximumTrackHeight(int v) { m_maximumTrackHeight = v; }
    int DesignFormWidth() const { return m_designFormWidth; }
    void SetDesignFormWidth(int v) { m_designFormWidth = v; }
    int DesignFormHeight() const { return m_designFormHeight; }
    void SetDesignFormHeight(int v) { m_designFormHeight = v; }
    int DesignFormClientWidth() const { return m_designFormClientWidth; }
    void SetDesignFormClientWidth(int v) { m_designFormClientWidth = v; }
    int DesignFormClientHeight() const { return m_designFormClientHeight; }
    void SetDesignFormClientHeight(int v) { m_designFormClientHeight = v; }
    int DesignFormLeft() const { return m_designFormLeft; }
    void SetDesignFormLeft(int v) { m_designFormLeft = v; }
    int DesignFormTop() const { return m_designFormTop; }
    void SetDesignFormTop(int v) { m_designFormTop = v; }
    bool MaintainProportions() const { return m_maintainProportions; }
    void SetMaintainProportions(bool v) { m_maintainProportions = v; }
    TFont *Font() const { return m_font; }
    // Copies the font in, then passes the whole component font on to the form.
    void SetFont(TFont *font);
    TControl *BkGrndImage() const { return m_bkGrndImage; }
    void SetBkGrndImage(TControl *image);
    bool DBGridSelfResize() const { return m_dbGridSelfResize; }
    void SetDBGridSelfResize(bool v) { m_dbGridSelfResize = v; }
    QString ElFrmIniFile() const { return m_elFrmIniFile; }
    void SetElFrmIniFile(const QString &v) { m_elFrmIniFile = v; }
    float Version() const { return FixedVersion; }
    void SetVersion(float) {}
    bool GridColumnWidthResize() const { return m_gridColumnWidthResize; }
    void SetGridColumnWidthResize(bool v) { m_gridColumnWidthResize = v; }
    bool GridRowHeightResize() const { return m_gridRowHeightResize; }
    void SetGridRowHeightResize(bool v) { m_gridRowHeightResize = v; }
    bool GridFontResize() const { return m_gridFontResize; }
    void SetGridFontResize(bool v) { m_gridFontResize = v; }
    bool FontWarning() const { return m_fontWarning; }
    void SetFontWarning(bool v) { m_fontWarning = v; }
    bool LookForExtraFonts() const { return m_lookForExtraFonts; }
    void SetLookForExtraFonts(bool v) { m_lookForExtraFonts = v; }
    bool ResolutionIndependence() const { return m_resolutionIndependence; }
    void SetResolutionIndependence(bool v) { m_resolutionIndependence = v; }
    QString EFActiveControl() const { return m_efActiveControl; }
    void SetEFActiveControl(const QString &v) { m_efActiveControl = v; }
    bool Active() const { return m_active; }
    void SetActive(bool v) { m_active = v; }

    TForm *Form() const { return m_form; }

    // The window procedure: runs the rules for one message. Returns false when the component
    // handled the message itself and the form must not see it (a painted background).
    bool FormWndProc(dorvane::ElasticMessage &message);
    // The translator of Qt events into messages, installed on the form by the constructor.
    dorvane::QtMessageAdapter *Adapter() const { return m_adapter; }
    bool IsHooked() const { return m_hooked; }

    // Controls and records.
    const dorvane::ControlList &ManagedControls() const { return m_managedControls; }
    const dorvane::ControlList &AlignOrder() const { return m_alignOrder; }
    const dorvane::ControlList &StatusBars() const { return m_statusBars; }
    int ControlCount() const { return m_controlCount; }
    const TFrame *FrameOf(const TControl *control) const;
    void RegisterControls(QWidget *parent);
    void OrderByAlignment();
    void HideControls();
    void ShowControls();
    QWidget *FindControlHandle(const QString &name) const;
    TControl *FindControlByHandle(const QWidget *handle) const;
    void RecordControl(TControl *control);
    void AddControl(TControl *control);
    void RecaptureAll();
    virtual void DoAfterResize();

    // Geometry.
    void InitializeLayout();
    void Rescale();
    void CaptureFrame(TFrame &frame, TControl *control, double hr, double vr, double fr, double k);
    void ApplyFrame(TFrame &frame, TControl *control);
    void ComputeMaxTrack();
    void KeepProportions();
    void FillMinMaxInfo(dorvane::MinMaxInfo &info);
    void DisplayChanged();
    // The window system's frame around the form changed size from `previous` (a window manager
    // framed it): a window still at its initial bounds gets them again, as outer bounds, and the
    // fonts follow the outer size.
    void FrameChanged(QSize previous);
    // Puts the form at outer bounds the program chose (a place remembered from an earlier run,
    // another screen), anywhere on the desktop. Before the first show they replace the designed
    // placement as the initial bounds; afterwards the form moves there and keeps them, as it
    // keeps a place the user gave it.
    void PlaceAt(const QRect &outerBounds);
    void PaintBackground(QPainter &dc);
    void SyncFormFont();
    void ScaleStatusBars();

    // State the rules share, readable by callers and tests.
    double HorzScreenRatio() const { return m_horzScreenRatio; }
    double VertScreenRatio() const { return m_vertScreenRatio; }
    double FontScreenRatio() const { return m_fontScreenRatio; }
    double FontRatio() const { return m_fontRatio; }
    double LastStretchX() const { return m_lastStretchX; }
    int ReferenceClientWidth() const { return m_referenceClientWidth; }
    int ReferenceClientHeight() const { return m_referenceClientHeight; }
    int ReferenceFontSize() const { return m_referenceFontSize; }
    QRect InitialBounds() const { return {m_initialLeft, m_initialTop, m_initialWidth, m_initialHeight}; }
    int InitialFontSize() const { return m_initialFontSize; }
    QSize ScreenSize() const { return {m_screenWidth, m_screenHeight}; }
    bool IsMaximized() const { return m_isMaximized; }
    bool IsSizing() const { return m_sizing; }
    bool IsHidden() const { return m_hidden; }
    bool UserSized() const { return m_userSized; }
    bool CapturePending() const { return m_capturePending; }
    bool InitPending() const { return m_initPending; }
    bool SkipShowRescale() const { return m_skipShowRescale; }
    bool RestoreMaximized() const { return m_restoreMaximized; }
    bool PlacementLoaded() const { return m_placementLoaded; }
    int PosChangeCount() const { return m_posChangeCount; }
    QSize MaxSize() const { return {m_maxSizeWidth, m_maxSizeHeight}; }

    // Window placement store.
    void SavePlacement();
    void LoadPlacement();

signals:
    void OnAfterResize(QObject *sender);

private:
    friend class dorvane::QtMessageAdapter;

    void recordBounds(TFrame &frame, const TControl *control) const;
    int indexOf(const TControl *control) const;
    QSize formOuterSize() const;
    bool widthOrHeightChanged() const;
    void rememberActiveControl();
    void restoreFocusTo(QWidget *focus);
    void unhook();
    void firstTimeSetup();
    void handleSize(quintptr kind, QWidget *focus);
    void handleSysCommand(quintptr command);
    void handleExitSizeMove();
    bool paintsBackground() const;

    TForm *m_form = nullptr;
    dorvane::QtMessageAdapter *m_adapter = nullptr;
    bool m_hooked = false;
    int m_tag = 0;

    bool m_elasticHorizontal = true;
    bool m_elasticVertical = true;
    bool m_elasticFont = true;
    int m_designScreenWidth = 0;
    int m_designScreenHeight = 0;
    int m_designPixelsPerInch = 96;
    int m_maximizedPosX = 0;
    int m_maximizedPosY = 0;
    int m_minimumTrackWidth = 0;
    int m_minimumTrackHeight = 0;
    int m_maximumTrackWidth = 0;
    int m_maximumTrackHeight = 0;
    int m_designFormWidth = 0;
    int m_designFormHeight = 0;
    int m_designFormClientWidth = 0;
    int m_designFormClientHeight = 0;
    int m_designFormLeft = 0;
    int m_designFormTop = 0;
    bool m_maintainProportions = false;
    TFont *m_font;
    QPointer<TControl> m_bkGrndImage;
    bool m_hasImage = false;
    bool m_dbGridSelfResize = false;
    QString m_elFrmIniFile;
    bool m_gridColumnWidthResize = true;
    bool m_gridRowHeightResize = true;
    bool m_gridFontResize = true;
    bool m_fontWarning = true;
    bool m_lookForExtraFonts = true;
    bool m_resolutionIndependence = true;
    QString m_efActiveControl;
    bool m_active = true;

    bool m_listsBuilt = false;
    dorvane::ControlList m_managedControls;
    dorvane::ControlList m_alignOrder;
    std::vector<std::unique_ptr<TFrame>> m_frames;
    int m_controlCount = 0;
    dorvane::ControlList m_statusBars;
    bool m_statusBarsPending = false;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    double m_horzScreenRatio = 1.0;
    double m_vertScreenRatio = 1.0;
    double m_fontScreenRatio = 1.0;
    double m_statusBarHorzRatio = 0;
    double m_statusBarVertRatio = 0;
    double m_statusBarFontRatio = 0;
    int m_referenceClientWidth = 0;
    int m_referenceClientHeight = 0;
    int m_referenceFontSize = 0;
    double m_fontRatio = 0;
    int m_initialLeft = 0;
    int m_initialTop = 0;
    int m_initialWidth = 0;
    int m_initialHeight = 0;
    int m_initialFontSize = 0;
    TForm::TPosition m_startPosition = TForm::poDesigned;
    bool m_isMaximized = false;
    int m_sizingStartWidth = 0;
    int m_sizingStartHeight = 0;
    int m_lastWidth = 0;
    int m_lastHeight = 0;
    int m_maxSizeWidth = 0;
    int m_maxSizeHeight = 0;
    dorvane::WindowPlacement m_placement;
    double m_leftFraction = 0, m_topFraction = 0, m_widthFraction = 0, m_heightFraction = 0;
    QRect m_placedBounds;

    bool m_initPending = true;
    bool m_setupDone = false;
    bool m_capturePending = true;
    bool m_firstShowPending = true;
    bool m_userSized = false;
    bool m_sizing = false;
    bool m_sizedDuringMove = false;
    bool m_hidden = false;
    bool m_skipShowRescale = false;
    bool m_suppressFirstShow = false;
    bool m_focusPending = true;
    bool m_restorePosPending = false;
    bool m_restoreSizePending = false;
    bool m_restoreMaximized = false;
    bool m_placementLoaded = false;
    bool m_fontWarningPending = true;
    int m_posChangeCount = 0;
    double m_lastStretchX = 1.0;
    double m_lastStretchY = 1.0;
};
