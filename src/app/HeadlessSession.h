#pragma once

#include "app/MainCommands.h"
#include "app/MainViewState.h"
#include "canvas/RecordingCanvas.h"
#include "workspace/Workspace.h"

namespace velora {

// The main window's surfaces without a window: canvases the caller owns. Laying the window out
// changes nothing, so the picture keeps the size it was made with.
class HeadlessSurfaces : public CommandSurfaces {
 public:
  HeadlessSurfaces(Canvas& picture, Canvas& listing, Canvas& grid)
      : picture_(picture), listing_(listing), grid_(grid) {}

  void LayoutMainWindow() override {}
  Canvas& picture() override { return picture_; }
  Canvas& listing() override { return listing_; }
  Canvas& grid() override { return grid_; }

 private:
  Canvas& picture_;
  Canvas& listing_;
  Canvas& grid_;
};

// The program as the command-line tool runs it: a workspace in its start-up state, the main
// window's view state and the command flow drawing on `picture`; the listing and separation
// windows are recorded and thrown away.
struct HeadlessSession {
  explicit HeadlessSession(Canvas& picture) : surfaces(picture, listing, grid) {}
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;

  Workspace workspace;
  MainViewState view;
  RecordingCanvas listing{300, 450};
  RecordingCanvas grid{620, 540};
  HeadlessSurfaces surfaces;
  CommandContext context{workspace, view, surfaces};
};

}  // namespace velora
