#pragma once
// The debug switches and the program's own status words. A step that fails
// sets StatusCode (the kind of failure) and ReasonCode (its detail); callers
// reset both to 0 before a step and test StatusCode after it.
class cDebug {
public:
    bool DontFixDataErrors = false;
    bool DontTrapErrors = false;
    bool LogApp = false;
    bool LogZurudUvu = false;
    bool LogClasses = false;
    bool LogDebug = false;
    bool LogEvents = false;
    bool LogMouseEvents = false;
    int ReasonCode = 0;
    int StatusCode = 0;

    void SetLogAll();
    void UnsetLogAll();
    // Both status words back to 0.
    void ClearStatus() { StatusCode = 0; ReasonCode = 0; }
};
