// The cross-fade picture control: shows a start picture and turns it into a target picture frame by
// frame on a worker thread, optionally bringing the start picture back by a blend or a dissolve.
#include "about/CrossFadePicture.h"

#include "about/FadeArithmetic.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <chrono>

namespace pixmaro {

namespace {

// A read-only image over a raster's memory, valid while the raster is neither resized nor freed.
QImage ImageOf(const WorkingBitmap &raster)
{
    return QImage(raster.bits(), raster.width(), raster.height(), qsizetype(raster.stride()),
        QImage::Format_BGR888);
}

bool SameSize(const WorkingBitmap &raster, QSize size)
{
    return raster.width() == size.width() && raster.height() == size.height();
}

} // namespace

CrossFadePicture::CrossFadePicture(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TVelkFade"));
    // Every pixel comes from the display raster: nothing behind the control is painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(75, 75);
    render();
}

CrossFadePicture::~CrossFadePicture()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    // The worker waits only on m_wake (for a served request or the end of a pause), so with the
    // stop flag raised it returns without needing this thread; its pending request events die
    // with the object.
    joinWorker();
}

void CrossFadePicture::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void CrossFadePicture::setPicFrom(const FadePicture &picture)
{
    m_picFrom = picture;
    Reset();
}

void CrossFadePicture::setPicTo(const FadePicture &picture)
{
    m_picTo = picture;
    Reset();
}

void CrossFadePicture::setColorFrom(FadeColor color)
{
    setAndReset(m_colorFrom, color & 0xFFFFFF);
}

void CrossFadePicture::setColorTo(FadeColor color)
{
    setAndReset(m_colorTo, color & 0xFFFFFF);
}

void CrossFadePicture::setDisolvRate(int rate)
{
    // Clamped before it is stored; an empty control keeps 1, so a dissolve never divides by 0.
    const std::int64_t area = std::int64_t(width()) * height();
    m_disolvRate = int(std::clamp<std::int64_t>(rate, 1, std::max<std::int64_t>(area, 1)));
}

void CrossFadePicture::setBlendRate(int rate)
{
    m_blendRate = std::max(rate, 1);
}

void CrossFadePicture::setStretchToFit(bool stretch)
{
    setAndReset(m_stretchToFit, stretch);
}

FadeScene CrossFadePicture::scene() const
{
    // A reverse pass shows the target picture and brings back the start picture, both scaled into
    // the control as it is. The properties themselves are never exchanged, so whatever is set
    // during a reverse pass keeps its meaning when the pass ends.
    switch (m_reverseView) {
    case ReverseView::None:
        return { m_picFrom, m_picTo, m_colorFrom, m_colorTo, m_stretchToFit };
    case ReverseView::FromExchanged:
        return { m_picTo, m_picTo, m_colorTo, m_colorFrom, true };
    case ReverseView::Exchanged:
        break;
    }
    return { m_picTo, m_picFrom, m_colorTo, m_colorFrom, true };
}

void CrossFadePicture::render()
{
    QSize rendered;
    {
        std::lock_guard lock(m_mutex);
        try {
            rendered = RenderFadeBuffers(scene(), size(), DisplayBuffer, TargetBuffer);
        } catch (const RasterTooLarge &) {
            // A control beyond the raster limit shows nothing rather than failing in an event.
            DisplayBuffer.clear();
            TargetBuffer.clear();
            rendered = size();
        }
        // A pass running on the start raster keeps its content while the size holds; a new size
        // ends the pass at its next step.
        if (!SameSize(StartBuffer, QSize(DisplayBuffer.width(), DisplayBuffer.height())))
            StartBuffer.resize(DisplayBuffer.width(), DisplayBuffer.height());
    }
    m_renderedSize = rendered;
    if (rendered != size()) {
        // The resize event this sends is not a reason to render again.
        m_inReset = true;
        resize(rendered);
        m_inReset = false;
    }
}

void CrossFadePicture::keepStartPicture()
{
    std::lock_guard lock(m_mutex);
    StartBuffer.copyFrom(DisplayBuffer);
    m_passSize = QSize(DisplayBuffer.width(), DisplayBuffer.height());
}

void CrossFadePicture::Reset()
{
    if (m_inReset)
        return;
    render();
    update();
    Q_EMIT OnReset(this);
}

QImage CrossFadePicture::displayImage() const
{
    WorkingBitmap copy;
    {
        std::lock_guard lock(m_mutex);
        copy.copyFrom(DisplayBuffer);
    }
    return ImageOf(copy).convertToFormat(QImage::Format_RGB32);
}

void CrossFadePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The lock keeps a frame from being painted while the worker is still writing it.
    std::lock_guard lock(m_mutex);
    painter.drawImage(0, 0, ImageOf(DisplayBuffer));
}

void CrossFadePicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_inReset && size() != m_renderedSize)
        Reset();
}

void CrossFadePicture::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    Q_EMIT OnMouseEnter(this);
}

void CrossFadePicture::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    Q_EMIT OnMouseLeave(this);
}

CrossFadePicture::PassSettings CrossFadePicture::currentSettings() const
{
    PassSettings settings;
    settings.blendRate = std::max(m_blendRate, 1);
    settings.disolvRate = std::max(m_disolvRate, 1);
    settings.msecPerFrame = std::max(m_msecPerFrame, 0);
    settings.swapDelayMsec = std::int64_t(std::max(m_swapDelay, 0)) * 1000;
    settings.autoReverse = m_autoReverse;
    settings.swapOnReverse = m_swapOnReverse;
    return settings;
}

void CrossFadePicture::Blend()
{
    // One pass at a time: a request while one runs (also from its own events) is ignored.
    if (m_pass != Pass::None)
        return;
    joinWorker();
    m_forwardSettings = currentSettings();
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
        m_request = Request::None;
    }
    m_pass = Pass::Forward;
    m_worker = std::thread(&CrossFadePicture::runForward, this, m_forwardSettings);
}

void CrossFadePicture::StartUnBlend()
{
    startReverse(false);
}

void CrossFadePicture::StartUnDissolve()
{
    startReverse(true);
}

void CrossFadePicture::startReverse(bool dissolve)
{
    joinWorker();
    {
        std::lock_guard lock(m_mutex);
        m_request = Request::None;
    }
    m_pass = dissolve ? Pass::ReverseDissolve : Pass::ReverseBlend;
    m_worker = std::thread(&CrossFadePicture::runReverse, this, currentSettings(), dissolve);
}

void CrossFadePicture::serviceWorker()
{
    Request request;
    std::uint64_t ticket;
    Outcome outcome;
    {
        std::lock_guard lock(m_mutex);
        request = m_request;
        ticket = m_requestTicket;
        outcome = m_endOutcome;
        m_request = Request::None;
    }
    // User code runs below (events, handlers of a repaint); it may destroy this control.
    QPointer<CrossFadePicture> alive(this);
    switch (request) {
    case Request::None:
        return;
    case Request::BeginForward:
        Reset();
        if (!alive)
            return;
        Q_EMIT OnBegin(this);
        if (!alive)
            return;
        keepStartPicture();
        break;
    case Request::PrepareReverse:
        for (ReverseView view :
            { ReverseView::FromExchanged, ReverseView::Exchanged, ReverseView::Exchanged }) {
            m_reverseView = view;
            Reset();
            if (!alive)
                return;
        }
        keepStartPicture();
        break;
    case Request::Repaint:
        // Paints now when the control is visible; a hidden control has nothing to wait for.
        repaint();
        if (!alive)
            return;
        Q_EMIT framePainted(this);
        if (!alive)
            return;
        break;
    case Request::EndForward: {
        // The worker posted this as its last act: joining it takes no time, and the pass is over
        // before OnEnd, so its handler may start a new pass or destroy the control.
        joinWorker();
        m_pass = Pass::None;
        if (outcome == Outcome::Completed && m_forwardSettings.autoReverse) {
            if (m_forwardSettings.swapOnReverse)
                StartUnDissolve();
            else
                StartUnBlend();
        }
        Q_EMIT OnEnd(this);
        return;
    }
    case Request::EndReverse:
        joinWorker();
        m_pass = Pass::None;
        m_reverseView = ReverseView::None;
        Reset();
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_servedTicket = ticket;
    }
    m_wake.notify_all();
}

bool CrossFadePicture::askGui(Request request)
{
    std::unique_lock lock(m_mutex);
    if (m_stop)
        return false;
    m_request = request;
    const std::uint64_t ticket = ++m_requestTicket;
    QMetaObject::invokeMethod(this, "serviceWorker", Qt::QueuedConnection);
    m_wake.wait(lock, [&] { return m_stop || m_servedTicket == ticket; });
    return !m_stop;
}

void CrossFadePicture::postEnd(Request request, Outcome outcome)
{
    std::lock_guard lock(m_mutex);
    if (m_stop)
        return;
    m_request = request;
    m_endOutcome = outcome;
    ++m_requestTicket;
    QMetaObject::invokeMethod(this, "serviceWorker", Qt::QueuedConnection);
}

bool CrossFadePicture::pause(std::int64_t msec)
{
    std::unique_lock lock(m_mutex);
    m_wake.wait_for(
        lock, std::chrono::milliseconds(std::max<std::int64_t>(msec, 0)), [&] { return m_stop; });
    return !m_stop;
}

bool CrossFadePicture::passSizeHolds() const
{
    return SameSize(DisplayBuffer, m_passSize) && SameSize(TargetBuffer, m_passSize)
        && SameSize(StartBuffer, m_passSize);
}

CrossFadePicture::Outcome CrossFadePicture::blendFrames(const PassSettings &settings)
{
    for (int frame = 0; frame <= settings.blendRate; ++frame) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop)
                return Outcome::Stopped;
            if (!passSizeHolds())
                return Outcome::SizeChanged;
            BlendBuffers(
                StartBuffer, TargetBuffer, DisplayBuffer, BlendWeight(frame, settings.blendRate));
        }
        if (!askGui(Request::Repaint) || !pause(settings.msecPerFrame))
            return Outcome::Stopped;
    }
    return Outcome::Completed;
}

CrossFadePicture::Outcome CrossFadePicture::dissolveFrames(const PassSettings &settings)
{
    QSize size;
    {
        std::lock_guard lock(m_mutex);
        size = m_passSize;
    }
    const std::int64_t PixelCount = std::int64_t(size.width()) * size.height();
    if (PixelCount == 0)
        return Outcome::Completed;
    // Seeded from the clock: the order need not be the same twice. It lives as long as this pass.
    const auto seed = std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    const std::vector<DissolvePixel> DissolveOrder
        = BuildDissolveOrder(size.width(), size.height(), seed);
    const DissolveSchedule schedule = ScheduleDissolve(PixelCount, settings.disolvRate);
    // The timed steps, then the remainder without a pause.
    for (std::int64_t step = 0; step <= schedule.timedSteps; ++step) {
        const std::int64_t first = step * schedule.stepSize;
        const std::int64_t last
            = step < schedule.timedSteps ? first + schedule.stepSize : PixelCount;
        {
            std::lock_guard lock(m_mutex);
            if (m_stop)
                return Outcome::Stopped;
            if (!passSizeHolds())
                return Outcome::SizeChanged;
            CopyDissolvePixels(TargetBuffer, DisplayBuffer, DissolveOrder, first, last);
        }
        if (!askGui(Request::Repaint))
            return Outcome::Stopped;
        if (step < schedule.timedSteps && !pause(settings.msecPerFrame))
            return Outcome::Stopped;
    }
    return Outcome::Completed;
}

void CrossFadePicture::runForward(PassSettings settings)
{
    Outcome outcome = Outcome::Stopped;
    // Nothing may leave the worker: a failure ends the pass as if its rasters had changed.
    try {
        if (!askGui(Request::BeginForward))
            return;
        outcome = blendFrames(settings);
        if (outcome == Outcome::Completed && settings.autoReverse && !pause(settings.swapDelayMsec))
            return;
    } catch (...) {
        outcome = Outcome::SizeChanged;
    }
    if (outcome != Outcome::Stopped)
        postEnd(Request::EndForward, outcome);
}

void CrossFadePicture::runReverse(PassSettings settings, bool dissolve)
{
    Outcome outcome = Outcome::Stopped;
    try {
        if (!askGui(Request::PrepareReverse))
            return;
        outcome = dissolve ? dissolveFrames(settings) : blendFrames(settings);
    } catch (...) {
        outcome = Outcome::SizeChanged;
    }
    if (outcome != Outcome::Stopped)
        postEnd(Request::EndReverse, outcome);
}

} // namespace pixmaro
