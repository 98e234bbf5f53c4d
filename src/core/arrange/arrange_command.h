#pragma once

namespace kinvarro {

class DocumentSession;
class Prompts;

/// "Arrange by generations": the selection (two or more) or the whole chart
/// laid out in one undo step; parent links left out of a cycle of ancestry
/// are reported through `prompts`.
void ArrangeByGenerationsCommand(DocumentSession &session, Prompts &prompts);

}  // namespace kinvarro
