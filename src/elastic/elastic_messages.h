#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

class QPainter;

namespace dorvane {

// The window messages the elastic layout reacts to; the Qt adapter translates events into them.
enum class ElasticMessageId {
    Destroy = 2,
    Size = 5,
    Activate = 6,
    EraseBackground = 0x14,
    ShowWindow = 0x18,
    SetCursor = 0x20,
    GetMinMaxInfo = 0x24,
    WindowPosChanging = 0x46,
    DisplayChange = 0x7E,
    SysCommand = 0x112,
    Sizing = 0x214,
    EnterSizeMove = 0x231,
    ExitSizeMove = 0x232,
};

enum SizeKind : quintptr { SizeRestored = 0, SizeMinimized = 1, SizeMaximized = 2 };
enum SysCommandCode : quintptr { ScClose = 0xF060, ScMinimize = 0xF020, ScMaximize = 0xF030, ScRestore = 0xF120 };

// The tracking limits a window may be given; 0 in a field means "leave as it is".
struct MinMaxInfo
{
    QSize maxSize;
    QPoint maxPosition;
    QSize minTrackSize;
    QSize maxTrackSize;
    bool operator==(const MinMaxInfo &o) const
    {
        return maxSize == o.maxSize && maxPosition == o.maxPosition && minTrackSize == o.minTrackSize
            && maxTrackSize == o.maxTrackSize;
    }
    bool operator!=(const MinMaxInfo &o) const { return !(*this == o); }
};

struct ElasticMessage
{
    explicit ElasticMessage(ElasticMessageId i, quintptr w = 0) : id(i), wParam(w) {}
    ElasticMessageId id;
    quintptr wParam = 0;           // size kind, system command, show flag
    MinMaxInfo *minMaxInfo = nullptr; // GetMinMaxInfo
    QPainter *painter = nullptr;   // EraseBackground
    QSize startSize;               // EnterSizeMove: outer size before the drag, when known
    qintptr result = 0;
};

// The window placement record kept by the placement store.
struct WindowPlacement
{
    int length = 0;
    int flags = 0;
    int showCmd = 0;
    QPoint minPosition;
    QPoint maxPosition;
    int normalLeft = 0, normalTop = 0, normalRight = 0, normalBottom = 0;
};

} // namespace dorvane
