// The loadable library is the core library linked whole; this file only gives it a source.
