// tests come here
