// The cross-fade picture control: shows a start picture and turns it into a target picture frame by
// frame on a worker thread, optionally bringing the start picture back by a blend or a dissolve.
#pragma once

#include "about/FadeRender.h"
#include "imaging/WorkingBitmap.h"

#include <QImage>
#include <QWidget>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <type_traits>

namespace pixmaro {

/// A picture control painting its display raster one to one at its top-left corner (objectName
/// "TVelkFade"). `Blend` starts a forward pass: a 33-level alpha blend from the start picture to
/// the target in BlendRate + 1 frames, computed on a worker thread of its own while the
/// user-interface thread repaints each frame. With AutoReverse, a reverse pass (blend, or random
/// dissolve when SwapOnReverse) follows after SwapDelay seconds and ends on the start picture.
///
/// Threads: the user-interface thread owns the widget, the pictures, the properties and the pass
/// bookkeeping. The three rasters are shared with the pass's worker and guarded by one mutex. The
/// worker never touches the widget: for a repaint, a render or an event it posts a request to the
/// user-interface thread and waits for it to be served, or for the stop flag that the destructor
/// raises. Pauses are waits on the same condition, so destruction ends a pass at once.
class CrossFadePicture : public QWidget {
    Q_OBJECT

public:
    explicit CrossFadePicture(QWidget *parent = nullptr);
    /// Stops a running pass (it ends at its next step or pause) and waits for its worker.
    ~CrossFadePicture() override;

    const FadePicture &PicFrom() const { return m_picFrom; }
    const FadePicture &PicTo() const { return m_picTo; }
    FadeColor ColorFrom() const { return m_colorFrom; }
    FadeColor ColorTo() const { return m_colorTo; }
    int DisolvRate() const { return m_disolvRate; }
    int BlendRate() const { return m_blendRate; }
    bool StretchToFit() const { return m_stretchToFit; }
    bool ProcessMsgs() const { return m_processMsgs; }
    bool AutoReverse() const { return m_autoReverse; }
    bool SwapOnReverse() const { return m_swapOnReverse; }
    int SwapDelay() const { return m_swapDelay; }
    int MsecPerFrame() const { return m_msecPerFrame; }

    /// Takes a copy of `picture` as the start picture and renders afresh.
    void setPicFrom(const FadePicture &picture);
    /// Takes a copy of `picture` as the target picture and renders afresh.
    void setPicTo(const FadePicture &picture);
    /// A changed colour (0x00BBGGRR) renders afresh.
    void setColorFrom(FadeColor color);
    void setColorTo(FadeColor color);
    /// Stores the dissolve's number of steps, raised to 1 and lowered to the control's area (an
    /// empty control still keeps 1).
    void setDisolvRate(int rate);
    /// Stores the blend's number of steps, raised to 1.
    void setBlendRate(int rate);
    /// A change renders afresh: true scales both pictures to the control, false gives the control
    /// the start picture's size.
    void setStretchToFit(bool stretch);
    void setProcessMsgs(bool process) { m_processMsgs = process; }
    void setAutoReverse(bool reverse) { m_autoReverse = reverse; }
    void setSwapOnReverse(bool dissolve) { m_swapOnReverse = dissolve; }
    /// Seconds between a forward pass and its reverse pass; below 0 counts as 0 when used.
    void setSwapDelay(int seconds) { m_swapDelay = seconds; }
    /// Milliseconds of pause after each frame; below 0 counts as 0 when used.
    void setMsecPerFrame(int msec) { m_msecPerFrame = msec; }

    /// Renders both rasters afresh from the pictures and colours (resizing the control when
    /// StretchToFit is off), schedules a repaint and fires OnReset. Shows the start picture again
    /// after a pass.
    void Reset();
    /// Starts a forward pass and returns at once. Ignored while a pass runs on this control.
    void Blend();

    /// Whether a pass (forward or reverse) is running.
    bool isPassRunning() const { return m_pass != Pass::None; }
    /// A copy of what the control shows now.
    QImage displayImage() const;

Q_SIGNALS:
    void OnMouseEnter(CrossFadePicture *sender);
    void OnMouseLeave(CrossFadePicture *sender);
    /// A forward pass begins, before its first frame.
    void OnBegin(CrossFadePicture *sender);
    /// A forward pass has ended (after its reverse pass has been started, when one follows).
    void OnEnd(CrossFadePicture *sender);
    /// The rasters have been rendered afresh.
    void OnReset(CrossFadePicture *sender);
    /// A pass's frame has been painted; the display raster holds it until this returns.
    void framePainted(CrossFadePicture *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private Q_SLOTS:
    // Serves the worker's pending request on the user-interface thread.
    void serviceWorker();

private:
    enum class Pass { None, Forward, ReverseBlend, ReverseDissolve };
    // What a worker asks of the user-interface thread.
    enum class Request { None, BeginForward, Repaint, PrepareReverse, EndForward, EndReverse };
    // How a run of frames ended: all shown, cut short because the rasters changed size under the
    // pass (it then goes to its end), or stopped for destruction (the worker just returns).
    enum class Outcome { Completed, SizeChanged, Stopped };
    // How far the reverse preparation has exchanged the pictures: it renders after each exchange
    // and once more, as a change of each picture would.
    enum class ReverseView { None, FromExchanged, Exchanged };

    // Stores `value` in `field` and resets the control, unless the field holds it already.
    template <class T> void setAndReset(T &field, std::type_identity_t<T> value)
    {
        if (field == value)
            return;
        field = value;
        Reset();
    }

    // The settings a pass copies when it starts, so changes during the pass never reach it.
    struct PassSettings {
        int blendRate = 32;
        int disolvRate = 125;
        int msecPerFrame = 40;
        std::int64_t swapDelayMsec = 1000;
        bool autoReverse = false;
        bool swapOnReverse = true;
    };

    PassSettings currentSettings() const;
    FadeScene scene() const;
    void render();
    // A pass starts from what the control shows now: copies it to the start raster and keeps its
    // size.
    void keepStartPicture();
    // Start the reverse pass: a blend or a dissolve back to the start picture.
    void StartUnBlend();
    void StartUnDissolve();
    void startReverse(bool dissolve);
    void joinWorker();

    // Worker side.
    void runForward(PassSettings settings);
    void runReverse(PassSettings settings, bool dissolve);
    bool askGui(Request request);
    void postEnd(Request request, Outcome outcome);
    bool pause(std::int64_t msec);
    Outcome blendFrames(const PassSettings &settings);
    Outcome dissolveFrames(const PassSettings &settings);
    bool passSizeHolds() const; // with m_mutex held

    // Properties and pictures: user-interface thread.
    FadePicture m_picFrom;
    FadePicture m_picTo;
    FadeColor m_colorFrom = 0x000000;
    FadeColor m_colorTo = 0xFFFFFF;
    int m_disolvRate = 125;
    int m_blendRate = 32;
    bool m_stretchToFit = true;
    bool m_processMsgs = false;
    bool m_autoReverse = false;
    bool m_swapOnReverse = true;
    int m_swapDelay = 1;
    int m_msecPerFrame = 40;

    // Pass bookkeeping: user-interface thread.
    Pass m_pass = Pass::None;
    PassSettings m_forwardSettings;
    ReverseView m_reverseView = ReverseView::None;
    bool m_inReset = false;
    QSize m_renderedSize;
    std::thread m_worker;

    // Shared with the worker, guarded by m_mutex.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    WorkingBitmap DisplayBuffer; // what paintEvent shows; the worker writes each frame into it
    WorkingBitmap TargetBuffer; // the rendered target picture
    WorkingBitmap StartBuffer; // the display as a blend pass began
    QSize m_passSize; // the rasters' size when the pass began
    bool m_stop = false;
    Request m_request = Request::None;
    Outcome m_endOutcome = Outcome::Completed;
    std::uint64_t m_requestTicket = 0;
    std::uint64_t m_servedTicket = 0;
};

} // namespace pixmaro
