# Quick start: `make run` opens the window (or, without a display, prints the almanac sheet
# for now with one line saying why); `make test` runs every test in the optimised and the
# sanitizer builds, the core's and the drawing's tests built for WebAssembly under Node, and
# the web app's tests in Node and headless Chromium. Both install missing Debian packages first.
# `make web` builds the web app into build/web (the core and the views compiled to WebAssembly,
# the page around them); `make serve` serves it on localhost; `make web-core-test` runs the
# WebAssembly tests alone.
# `make install` installs the program, its desktop entry, icon, metadata and manual page
# under PREFIX (default /usr/local; DESTDIR is honoured), `make uninstall` removes what that
# installed, `make package` builds the Debian package build/release/quenaro_<version>_<arch>.deb.
.PHONY: run test bench deps build-release build-sanitize build-web-core web-core-test web web-bench serve clean install uninstall package

JOBS ?= $(shell nproc)

run: build-release
	@status=0; ./build/release/quenaro || status=$$?; \
	if [ $$status -eq 5 ]; then ./build/release/quenaro sheet; else exit $$status; fi

test: build-release build-sanitize build-web-core web
	ctest --preset release -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)
	ctest --preset web-core -j $(JOBS)
	cd web && npm ci --no-audit --no-fund && npm test

PREFIX ?= /usr/local
install: build-release
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

# The files of the last `make install` (cmake --install lists them in install_manifest.txt;
# give uninstall the DESTDIR install had), then the program's own folder of libexec.
uninstall:
	@test -f build/release/install_manifest.txt || { echo "uninstall: nothing installed from build/release"; exit 1; }
	sed 's|^|$(DESTDIR)|' build/release/install_manifest.txt | xargs -d '\n' -r rm -fv
	sed -n 's|^\(.*\)/quenaro-window$$|$(DESTDIR)\1|p' build/release/install_manifest.txt | xargs -d '\n' -r rmdir --ignore-fail-on-non-empty

package: build-release
	cd build/release && cpack -G DEB

bench: build-release
	./build/release/quenaro_bench
	./build/release/quenaro_process_bench

deps:
	scripts/install-deps

build-release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)

build-web-core: deps
	cmake --preset web-core
	cmake --build --preset web-core -j $(JOBS)

web-core-test: build-web-core
	ctest --preset web-core -j $(JOBS)

web: deps
	cmake --preset web-core
	cmake --build --preset web-core -j $(JOBS) --target quenaro_web
	node web/tools/assemble.mjs build/web-core/web-module

# Timings of the web app in headless Chromium on a phone's screen (medians, not tests).
web-bench: web
	cd web && npm ci --no-audit --no-fund && node bench/bench.mjs

# The assembled web app (build/web) on http://127.0.0.1:$(PORT)/.
PORT ?= 8080
serve:
	node web/tools/serve.mjs $(PORT)

clean:
	rm -rf build
