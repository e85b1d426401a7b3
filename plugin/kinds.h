// The kinds of target the command removes: one row each, every text of a
// kind written once here.
#ifndef QUILLMERE_KINDS_H
#define QUILLMERE_KINDS_H

struct Kind {
	const wchar_t* parameter;      // the option parameter's script name: "Pos"
	const wchar_t* label;          // its label on the page: "Position"
	bool* target;                  // its switch in RemovalTargets
	const wchar_t* constraintName; // the constraints it removes: "Position Cns"; nullptr
	                               // for the chain bones' up-vector operator
};

const int kKindCount = 8;

// The orders are the host's contract, and differ: the rows are in page
// order, which is also the order the removal pass tests constraint names
// in; the parameters are added, read and written in kParameterOrder, with
// Direction before Orientation.
extern const Kind kKinds[kKindCount];
extern const int kParameterOrder[kKindCount];

#endif
