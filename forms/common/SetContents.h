#pragma once
// What the next set of a request would carry, by the access words its form marked.
class KwSNMPRequest2Controls;

// True when at least one variable of the request's list would be sent. A request whose
// variables are all marked read-only or left out has nothing to write: the engine
// refuses an empty set, so forms skip such a set and count it as done.
bool HasVariablesToSend(const KwSNMPRequest2Controls* request);
