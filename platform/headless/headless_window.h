#pragma once

// A top-level window of the headless host: it only records what the control layer asked of it.

#include <span>
#include <string>
#include <vector>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/geometry.h"
#include "gui/host.h"

namespace platform::headless {

class THeadlessHost;

class THeadlessWindow : public gui::THostWindow {
 public:
  THeadlessWindow(THeadlessHost& host, const gui::THostWindowParams& params, gui::THostWindowEvents& events);
  ~THeadlessWindow() override;

  void Show() override { FVisible = true; }
  void Hide() override { FVisible = false; }
  void Activate() override { ++FActivations; }
  void SetTitle(std::string_view utf8) override { FTitle = std::string(utf8); }
  void SetClientSize(int width, int height) override { FClientSize = {width, height}; }
  void SetPosition(int left, int top) override { FPosition = {left, top}; }
  gui::TPoint Position() const override { return FPosition; }
  void CenterOnScreen() override;
  void SetTopMost(bool topMost) override;
  void SetModal(bool modal, gui::THostWindow* owner) override;
  void SetCursor(gui::TCursor cursor) override { FCursor = cursor; }
  int Scale() const override { return FScale; }
  void SetScale(int scale) { FScale = scale; }
  void Present(const gui::TBitmap& buffer, std::span<const gui::TRect> region) override;

  gui::THostWindowEvents& Events() const { return FEvents; }
  const std::string& Title() const { return FTitle; }
  gui::TSize ClientSize() const { return FClientSize; }
  bool Visible() const { return FVisible; }
  bool TopMost() const { return FTopMost; }
  // How often the stacking was changed; moving, resizing and activation are counted apart.
  int TopMostChanges() const { return FTopMostChanges; }
  int Activations() const { return FActivations; }
  bool Modal() const { return FModal; }
  gui::THostWindow* Owner() const { return FOwner; }
  gui::TCursor Cursor() const { return FCursor; }
  gui::TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  gui::TBorderIcons BorderIcons() const { return FBorderIcons; }
  int Presents() const { return FPresents; }
  // Frames shown: flushes of the host that found something presented to this window.
  int Frames() const { return FFrames; }
  void EndFrame() {
    if (FPresentedInFrame) ++FFrames;
    FPresentedInFrame = false;
  }
  // The rectangles of the last Present, in the order given.
  const std::vector<gui::TRect>& LastPresented() const { return FLastPresented; }
  // The pixels last presented, as the screen would show them (null before the first Present).
  const gui::TBitmap* Screen() const { return FBuffer; }

 private:
  THeadlessHost& FHost;
  gui::THostWindowEvents& FEvents;
  std::string FTitle;
  gui::TSize FClientSize;
  gui::TPoint FPosition;
  gui::TFormBorderStyle FBorderStyle;
  gui::TBorderIcons FBorderIcons;
  gui::THostWindow* FOwner = nullptr;
  const gui::TBitmap* FBuffer = nullptr;
  std::vector<gui::TRect> FLastPresented;
  gui::TCursor FCursor = gui::crDefault;
  int FScale = 1;
  int FPresents = 0;
  int FFrames = 0;
  bool FPresentedInFrame = false;
  int FTopMostChanges = 0;
  int FActivations = 0;
  bool FVisible = false;
  bool FTopMost = false;
  bool FModal = false;
};

}  // namespace platform::headless
