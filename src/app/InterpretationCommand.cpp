#include "app/InterpretationCommand.h"

#include "interpretation/InterpretationDispatcher.h"

namespace velora {

void RunInterpretationCommand(CommandContext& context) {
  MainViewState& view = context.view;
  view.pictureVisible = false;
  view.interpretationVisible = false;
  view.showPictureVisible = true;
  view.showTextVisible = true;
  view.textVisible = true;
  if (context.workspace.chartKind == chart_kinds::kDirections) {
    view.stepBackVisible = false;
    view.stepForwardVisible = false;
    view.scanningLabelVisible = false;
  }
  context.surfaces.LayoutMainWindow();

  InterpretationText text;
  // Whatever was appended before a failure is what the view shows.
  struct PublishOnExit {
    MainViewState& view;
    InterpretationText& text;
    ~PublishOnExit() {
      view.textLines = std::move(text.lines);
      ++view.textRevision;
    }
  } publish{view, text};
  Workspace& workspace = context.workspace;
  RunInterpretation(workspace, workspace.chartKind, workspace.resources.dataDirectory, text);
}

}  // namespace velora
