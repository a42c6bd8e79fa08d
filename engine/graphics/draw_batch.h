// draw_batch.h: small meshes drawn in runs, one buffer upload and one draw call a run.
//
// Between BeginDrawBatch and EndDrawBatch, DrawMesh of a small mesh does not draw at once: it
// copies the mesh's vertices with the whole draw state of that moment (model and texture
// matrices, tint, whether a texture is bound) into a run. A run ends, and goes to the GPU,
// before anything that would change what it draws or where: another texture, another
// view-projection, a viewport, a clear, a mesh too large to copy, the line batch, the
// overlay, the next frame, or EndDrawBatch. So the pixels and their painter's order are
// exactly those of drawing each mesh on its own. Outside a batch DrawMesh draws at once.
#pragma once

// Starts queueing; batches nest, and each EndDrawBatch sends what is queued.
void BeginDrawBatch();
void EndDrawBatch();
// Sends the queued run, if any, with one draw call.
void FlushDrawBatch();
// Inside a batch: queues the mesh with the current draw state and gives true. False, with
// the run sent first, outside a batch or for a mesh too large to copy: the caller draws it.
bool QueueMeshDraw(const struct Mesh* mesh);

// The batch program and its buffer, made by InitGraphics and deleted by ShutdownGraphics.
void CreateDrawBatch();
void DestroyDrawBatch();

extern const char* BatchVertexShaderSource;
extern const char* BatchFragmentShaderSource;
