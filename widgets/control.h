#pragma once
// The base of our own child controls. Each control has one paint routine,
// used for WM_PAINT (double-buffered) and for WM_PRINTCLIENT (which the page
// transitions use to capture a page offscreen). Controls without a
// background of their own draw their parent's picture first.
#include "widgets/component.h"
#include "widgets/window.h"

#include <string>

class Control : public Component, public Window {
  public:
    struct Bounds {
        int left, top, width, height;
    };

    Control(std::string name, Bounds bounds);

    // Creates the HWND as a child of `parent`; called by the form once every
    // component object exists, in declaration order.
    void createHandle(HWND parent);

    const Bounds& bounds() const { return bounds_; }
    void setBounds(Bounds bounds);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void invalidate();

  protected:
    virtual const char* className() const = 0;
    virtual DWORD style() const { return 0; }
    virtual DWORD exStyle() const { return 0; }
    // The window text at creation: a caption for controls that have one.
    virtual std::string windowText() const { return std::string(); }
    // Paints the whole client area into dc.
    virtual void paint(HDC dc, const RECT& client) = 0;
    virtual void enabledChanged() { invalidate(); }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Component* eventSender() override { return this; }

    // Fills dc with what the parent shows behind this control.
    void paintParentBackground(HDC dc) const;

  private:
    Bounds bounds_;
    bool visible_ = true;
    bool enabled_ = true;
};
