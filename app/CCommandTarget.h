#pragma once

class QAction;

// Something that carries out commands: the view first, then the frame.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;
    // Returns true when the command was handled here.
    virtual bool OnCommand(int nID) = 0;
    // Sets the enabled and checked state of the command's action; returns
    // true when this target rules on the command.
    virtual bool OnUpdateCommand(int nID, QAction& action) = 0;
};
